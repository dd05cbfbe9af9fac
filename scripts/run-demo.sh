#!/usr/bin/env bash
# Builds VQChannelEditor and starts the editor on the bundled demo settings
# file (written fresh by vqtool from data/demo/demo.txt). Extra arguments go
# to the editor, e.g. --profile FILE or --trace LOG.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=${VQ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_BUILD_TESTS=OFF \
  -DVQ_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target vqtool vqchanneleditor

demo="$build/demo-settings.bin"
"$build/tools/vqtool/vqtool" demo "$demo"
exec "$build/src/ui/app/vqchanneleditor" "$demo" "$@"
