#!/usr/bin/env bash
# Builds VQChannelEditor and shows the bundled demo settings file.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=${VQ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_BUILD_TESTS=OFF \
  -DVQ_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target vqtool

demo="$build/demo-settings.bin"
"$build/tools/vqtool/vqtool" demo "$demo"
"$build/tools/vqtool/vqtool" info "$demo"
