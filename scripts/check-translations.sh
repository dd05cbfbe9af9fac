#!/usr/bin/env bash
# Checks that every catalogue in translations/ covers the window's texts as the
# sources hold them now: the catalogues are refreshed from the sources into a
# scratch copy (the committed files are put back afterwards) and no entry may
# be left unfinished (a text without its translation, or a new text the
# catalogue lacks) or vanished (a translation of a text the sources dropped).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-${VQ_TEST_BUILD_DIR:-build-test}}
saved=$(mktemp -d)
cp translations/*.ts "$saved"/
trap 'cp "$saved"/*.ts translations/; rm -rf "$saved"' EXIT

cmake --build "$build" --target update_translations >/dev/null

status=0
for catalogue in translations/*.ts; do
  unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
  vanished=$(grep -c 'type="vanished"\|type="obsolete"' "$catalogue" || true)
  if [ "$unfinished" -ne 0 ] || [ "$vanished" -ne 0 ]; then
    echo "check-translations: $(basename "$catalogue"): $unfinished unfinished," \
      "$vanished vanished entries" >&2
    # Name the texts so the fix is obvious.
    python3 - "$catalogue" >&2 <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        kind = message.find("translation").get("type")
        if kind in ("unfinished", "vanished", "obsolete"):
            print(f"  {kind}: [{context.findtext('name')}] {message.findtext('source')!r}")
PY
    status=1
  fi
done
exit $status
