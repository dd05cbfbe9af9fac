#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run VQChannelEditor.
# Safe to run again: packages already present are left alone.
#   scripts/install-deps.sh          install what is missing
#   scripts/install-deps.sh --list   print the packages, one a line
# scripts/check-deps.sh checks that this list covers what the build uses.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  clang libclang-rt-14-dev
  lld  # release builds: lays out the functions that run at start side by side
  clang-tidy-14  # the static checks scripts/run-clang-tidy.sh runs
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6
  qt6-l10n-tools qt6-tools-dev  # lupdate, lrelease and their CMake package for the translation catalogues
  qt6-translations-l10n  # Qt's own catalogues: standard buttons in the user's language
  libgl-dev libegl-dev libglu1-mesa-dev libxkbcommon-dev  # Qt's OpenGL look-up takes EGL and GLU where present
  libusb-1.0-0-dev zlib1g-dev
  libfontconfig-dev  # the editor reads the font configuration on a thread of its own at start
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  xvfb xauth xdotool  # xdotool: keys for the two-editor clipboard test
  dbus-daemon  # dbus-run-session: the session bus of that test's display
  valgrind  # callgrind: scripts/update-startup-order.sh
  librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base lintian
  dtv-scan-tables  # dvbv5 scan tables, read by the scan table tests when present
)

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
