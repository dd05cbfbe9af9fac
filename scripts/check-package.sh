#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: it holds exactly the
# files of packaging/package-files.txt, its dependencies were computed from the
# binaries, its launcher, metainfo and manual pages pass their validators, and
# both programs start (--version) without a display, from the unpacked package
# and from a scratch `cmake --install` prefix. lintian finds no error but the
# placeholder maintainer address a build without VQ_PACKAGE_MAINTAINER has.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${VQ_PACKAGE_BUILD_DIR:-build-package}
fail() {
  echo "check-package: $*" >&2
  exit 1
}

debs=("$build"/vqchanneleditor_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package in $build"
deb=${debs[0]}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' | LC_ALL=C sort >"$scratch/files"
diff -u packaging/package-files.txt "$scratch/files" || fail "the file list differs (above)"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libusb-1.0-0 zlib1g; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  lexgrog "$page" >/dev/null || fail "$(basename "$page") has no NAME line apropos can read"
done

# lintian: errors fail the check, except the placeholder maintainer's address
# (a build for distribution sets VQ_PACKAGE_MAINTAINER). The warnings it
# still gives are printed for the log.
lintian --allow-root --tag-display-limit 0 --display-level '>=warning' "$deb" >"$scratch/lintian" 2>&1 ||
  true
cat "$scratch/lintian"
maintainer_tags='bogus-mail-host|bogus-mail-host-in-debian-changelog'
errors=$(grep '^E: ' "$scratch/lintian" | grep -Ev ": ($maintainer_tags)( |$)" || true)
[ -z "$errors" ] || fail "lintian errors: $errors"

version=$(dpkg-deb -f "$deb" Version)
version=${version%-*}
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
# No display: --help and --version must not need the window system.
console() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
for bin in "$root/usr/bin" "$prefix/bin"; do
  [ "$(console "$bin/vqtool" --version | head -n 1)" = "vqtool $version" ] ||
    fail "$bin/vqtool --version"
  [ "$(console "$bin/vqchanneleditor" --version | head -n 1)" = "VQChannelEditor $version" ] ||
    fail "$bin/vqchanneleditor --version"
  for bin_name in vqtool vqchanneleditor; do
    console "$bin/$bin_name" --version | grep -q "GPL-3.0-or-later" ||
      fail "$bin/$bin_name --version does not name the licence"
  done
  console "$bin/vqchanneleditor" --help | grep -q -- --emulated-receiver ||
    fail "$bin/vqchanneleditor --help"
done
"$root/usr/bin/vqtool" demo "$scratch/demo.bin" >/dev/null
"$root/usr/bin/vqtool" check "$scratch/demo.bin" | grep -q "^0 problems" ||
  fail "the packaged vqtool finds problems in its own demo file"
echo "check-package: $(basename "$deb") holds $(wc -l <"$scratch/files") files; both programs start"
