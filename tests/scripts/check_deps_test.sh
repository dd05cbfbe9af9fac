#!/usr/bin/env bash
# scripts/check-deps.sh against BUILD_DIR: it passes on install-deps.sh's own
# list, and a list without one needed package (a CMake package configuration,
# a program of the tests, a program of the package check) fails, naming it.
set -euo pipefail
source_dir=$1
build_dir=$2
cd "$source_dir"
command -v dpkg >/dev/null && command -v apt-cache >/dev/null ||
  { echo "no dpkg or apt-cache: skipped"; exit 77; }

bash scripts/check-deps.sh "$build_dir"

list=$(mktemp)
trap 'rm -f "$list" "$list.out"' EXIT
for needed in qt6-tools-dev xdotool lintian; do
  bash scripts/install-deps.sh --list | grep -vx "$needed" >"$list"
  if bash scripts/check-deps.sh "$build_dir" "$list" >"$list.out" 2>&1; then
    echo "check-deps passed without $needed" >&2
    exit 1
  fi
  grep -q "package $needed which install-deps.sh does not install" "$list.out" || {
    echo "check-deps failed without $needed but did not name it:" >&2
    cat "$list.out" >&2
    exit 1
  }
done
echo "check-deps: names each missing package"
