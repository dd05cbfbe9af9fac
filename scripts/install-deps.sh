#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run VQChannelEditor.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6serialport6
  qt6-l10n-tools  # lupdate and lrelease for the window's translation catalogues
  qt6-translations-l10n  # Qt's own catalogues: standard buttons in the user's language
  libgl-dev libxkbcommon-dev
  libusb-1.0-0-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  xvfb xauth xdotool  # xdotool: keys for the two-editor clipboard test
  librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base
  dtv-scan-tables  # dvbv5 scan tables, read by the scan table tests when present
)

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
