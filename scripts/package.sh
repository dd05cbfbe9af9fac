#!/usr/bin/env bash
# Builds the Debian package of VQChannelEditor from a release build of the
# programs (no tests, benchmarks or sanitizers):
#   build-package/vqchanneleditor_<version>-1_<arch>.deb
# Install it with: sudo apt install ./build-package/vqchanneleditor_*.deb
# The package's maintainer field comes from VQ_PACKAGE_MAINTAINER when set:
#   VQ_PACKAGE_MAINTAINER="Jane Doe <jane@example.org>" scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

build=${VQ_PACKAGE_BUILD_DIR:-build-package}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
compiler_args=()
if command -v clang++ >/dev/null 2>&1; then
  compiler_args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
fi

# Without the variable the build's default (a placeholder) applies, also
# where an earlier run of this script set another.
maintainer_args=(-UVQ_PACKAGE_MAINTAINER)
if [ -n "${VQ_PACKAGE_MAINTAINER:-}" ]; then
  maintainer_args=(-DVQ_PACKAGE_MAINTAINER="$VQ_PACKAGE_MAINTAINER")
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVQ_BUILD_TESTS=OFF -DVQ_BUILD_BENCH=OFF -DVQ_SANITIZE=OFF -DVQ_FUZZ=OFF \
  "${compiler_args[@]}" "${maintainer_args[@]}"
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/vqchanneleditor_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/vqchanneleditor_*.deb
