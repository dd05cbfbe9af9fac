#!/usr/bin/env bash
# Checks that every catalogue in translations/ covers the window's texts as the
# sources hold them now: the catalogues are refreshed from the sources into a
# scratch copy (the committed files are put back afterwards) and no entry may
# be left unfinished (a text without its translation, or a new text the
# catalogue lacks) or vanished (a translation of a text the sources dropped),
# and every translation must keep its text's placeholders (%1, %n, %d, %s):
# a lost %1 drops a number or name from what the user reads.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-${VQ_TEST_BUILD_DIR:-build-test}}
saved=$(mktemp -d)
cp translations/*.ts "$saved"/
trap 'cp "$saved"/*.ts translations/; rm -rf "$saved"' EXIT

cmake --build "$build" --target update_translations >/dev/null

python3 - translations/*.ts <<'PY'
import re, sys, xml.etree.ElementTree as ET

QT_MARK = re.compile(r"%L?(\d+|n)")
PRINTF = re.compile(r"%[-+ #0-9.]*[hlzjt]*([a-zA-Z%])")

def placeholders(text):
    text = text or ""
    printf = [c for c in PRINTF.findall(QT_MARK.sub("", text)) if c != "%"]
    return sorted(m.group(1) for m in QT_MARK.finditer(text)), printf

failed = False
for path in sys.argv[1:]:
    problems = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{kind}: [{name}] {source!r}")
                continue
            forms = [f.text for f in translation.findall("numerusform")] or [translation.text]
            for form in forms:
                if placeholders(form) != placeholders(source):
                    problems.append(f"placeholders differ: [{name}] {source!r} -> {form!r}")
    if problems:
        failed = True
        print(f"check-translations: {path}: {len(problems)} problems", file=sys.stderr)
        for problem in problems:
            print(f"  {problem}", file=sys.stderr)
sys.exit(1 if failed else 0)
PY
