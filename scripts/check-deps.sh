#!/usr/bin/env bash
# Checks that scripts/install-deps.sh installs everything a fresh Debian
# machine needs: every package configuration, library and program that CMake
# found for BUILD_DIR (its CMakeCache.txt), and every program the build, the
# tests and the package scripts call, is mapped to the Debian package that
# ships it (dpkg -S). That package must be listed, be pulled in by the
# dependencies of a listed package (apt-cache depends --recurse, without
# recommends), or belong to every Debian system (essential or required).
#
#   scripts/check-deps.sh BUILD_DIR [PACKAGE_LIST]
#
# PACKAGE_LIST is a file with one package a line; by default the list
# install-deps.sh installs. Exits 1 naming each package that is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: check-deps.sh BUILD_DIR [PACKAGE_LIST]}
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "check-deps: $cache not found (configure first)" >&2; exit 2; }
if [ $# -ge 2 ]; then
  mapfile -t listed < <(grep -v '^[[:space:]]*$' "$2")
else
  mapfile -t listed < <(bash scripts/install-deps.sh --list)
fi

# Programs called by name by the scripts, the tests and the build.
programs=(
  cmake ctest cpack ninja ccache pkg-config clang clang++ ld.lld clang-tidy-14 gzip valgrind
  lrelease lupdate rsvg-convert
  xvfb-run Xvfb xauth xdotool dbus-run-session
  dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian groff lexgrog zcat
)
# Where Qt keeps its tools, off the PATH.
qt_tools=/usr/lib/qt6/bin

# Every package the listed ones bring, by their dependencies alone.
declare -A closure=()
while read -r name; do
  closure[${name%%:*}]=1
done < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances "${listed[@]}" 2>/dev/null | grep -v '^[[:space:]<]')

# A package every Debian system has, whatever was installed on it.
on_every_system() {
  local fields
  fields=$(dpkg-query -W -f='${Essential} ${Priority}' "$1" 2>/dev/null) || return 1
  [[ $fields == yes* || $fields == *required ]]
}

# The packages that ship PATH, as "a b c"; nothing when no package does.
owners() {
  local path=$1 found=""
  for candidate in "$path" "$(realpath -m "$path")" "${path#/usr}"; do
    found=$(dpkg -S "$candidate" 2>/dev/null | grep -v '^diversion' | head -n 1) && break
  done
  [ -n "$found" ] || return 0
  found=${found%%: /*}
  found=${found//,/ }
  local name
  for name in $found; do printf '%s ' "${name%%:*}"; done
}

problems=0
report() {
  echo "check-deps: $*" >&2
  problems=$((problems + 1))
}

# what: a description for the message; path: the file to look up.
check_path() {
  local what=$1 path=$2 packages
  packages=$(owners "$path")
  if [ -z "$packages" ]; then
    report "$what ($path) comes from no Debian package"
    return
  fi
  local name
  for name in $packages; do
    if [ -n "${closure[$name]:-}" ] || on_every_system "$name"; then return; fi
  done
  report "$what ($path) is in package ${packages% } which install-deps.sh does not install"
}

# CMake's findings: package configurations (their *Config.cmake file), the
# libraries, headers and programs it located. CMake's own guesses of the
# toolchain's helpers (ar, nm, linker, ...) are left out: it takes whatever
# is there and builds with binutils where nothing else is.
source_dir=$(realpath .)
build_dir=$(realpath "$build")
while IFS='=' read -r key value; do
  name=${key%%:*}
  case $name in
    CMAKE_AR | CMAKE_*_COMPILER_AR | CMAKE_*_COMPILER_RANLIB | CMAKE_ADDR2LINE | CMAKE_DLLTOOL | \
      CMAKE_LINKER | CMAKE_NM | CMAKE_OBJCOPY | CMAKE_OBJDUMP | CMAKE_RANLIB | CMAKE_READELF | \
      CMAKE_STRIP | CMAKE_INSTALL_* | CMAKE_MT | CMAKE_TAPI)
      continue ;;
  esac
  [[ $value == /* ]] && [ -e "$value" ] || continue
  [[ $value == "$source_dir"/* || $value == "$build_dir"/* ]] && continue
  path=$value
  if [[ $name == *_DIR && -d $value ]]; then
    config=$(find "$value" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) |
      head -n 1)
    [ -n "$config" ] && path=$config
  fi
  check_path "CMake's $name" "$path"
done < <(grep -E '^[A-Za-z0-9_.+-]+:(PATH|FILEPATH)=' "$cache")

for program in "${programs[@]}"; do
  path=$(PATH=$PATH:$qt_tools command -v "$program" || true)
  if [ -z "$path" ]; then
    report "program $program is not installed"
    continue
  fi
  check_path "program $program" "$path"
done

if [ "$problems" -gt 0 ]; then
  echo "check-deps: $problems missing; add the packages to scripts/install-deps.sh" >&2
  exit 1
fi
echo "check-deps: install-deps.sh covers ${#programs[@]} programs and what CMake found in $build"
