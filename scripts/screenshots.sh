#!/usr/bin/env bash
# Pictures of the real editor window on the demo settings file, made under
# Xvfb by tools/window_tour: every tab (and settings category) in the light
# and the dark colour scheme, in English and German, on a 1366x768 laptop
# screen at scale 1 and on a 2560x1440 screen at scale 2.
#
#   scripts/screenshots.sh [OUTDIR]     (default: BUILD_DIR/screenshots)
#
# Writes OUTDIR/<scheme>-<language>-<screen>/<tab>[-<category>].png. Builds
# in VQ_BUILD_DIR (default build) unless SKIP_BUILD=1 says it is built.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${VQ_BUILD_DIR:-build}
out=${1:-$build/screenshots}
if [ "${SKIP_BUILD:-0}" != 1 ]; then
  bash scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_BUILD_TESTS=OFF \
    -DVQ_BUILD_BENCH=OFF
  cmake --build "$build" --parallel "$(nproc)" --target vqtool window_tour
fi

demo="$build/demo-settings.bin"
"$build/tools/vqtool/vqtool" demo "$demo"

# screen: name, Xvfb screen, Qt scale factor
screens=("laptop 1366x768x24 1" "dense 2560x1440x24 2")
for scheme in light dark; do
  for language in en_GB de_DE; do
    for screen in "${screens[@]}"; do
      read -r name size scale <<<"$screen"
      dir="$out/$scheme-${language%%_*}-$name"
      mkdir -p "$dir"
      # A fresh profile each time: the window as it first starts.
      LANG=$language.UTF-8 LANGUAGE= LC_ALL= QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 $size" \
        "$build/tools/window_tour/window_tour" "$demo" "$dir" --scheme "$scheme" >/dev/null
      echo "screenshots: $dir"
    done
  done
done
