#!/usr/bin/env bash
# Builds VQChannelEditor with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the whole test suite under ctest: core, widget and tool tests, and
# each fuzz target for a bounded time (VQ_FUZZ_SECONDS, default 60). It checks
# that install-deps.sh installs everything the build uses, that the
# translation catalogues cover every window text, and that clang-tidy finds
# nothing in src/ and tools/ (scripts/run-clang-tidy.sh). Before the tests
# it builds the Debian package from a release build of the programs and
# checks it as installed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=${VQ_TEST_BUILD_DIR:-build-test}
# Let ccache reuse objects between checkouts in different folders.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
fuzz_seconds=${VQ_FUZZ_SECONDS:-60}
compiler_args=()
if command -v clang++ >/dev/null 2>&1; then
  # clang builds the libFuzzer targets too.
  compiler_args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVQ_FUZZ=ON)
fi

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DVQ_SANITIZE=ON -DVQ_FUZZ_SECONDS="$fuzz_seconds" "${compiler_args[@]}"
# Everything CMake found must come from a package install-deps.sh installs.
bash scripts/check-deps.sh "$build"
cmake --build "$build" --parallel "$(nproc)"
bash scripts/check-translations.sh "$build"
bash scripts/run-clang-tidy.sh "$build"

bash scripts/package.sh
bash scripts/check-package.sh

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
