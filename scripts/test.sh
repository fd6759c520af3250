#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole
# suite in a normal build, then the platform, data and collector tests again in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer, and last the whole tree
# compiled once more with Clang (no tests: GCC's build is the tested one).
#   scripts/test.sh            everything
#   scripts/test.sh --quick    the normal build only
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

quick=0
[ "${1:-}" = "--quick" ] && quick=1
jobs=${INVENTARI_JOBS:-$(nproc)}

scripts/install-deps.sh

# A throw-away PostgreSQL server on a loopback port for the data tests.
source scripts/pg-test-server.sh
pg_test_server_start
trap pg_test_server_stop EXIT

export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs" --timeout 600)

if [ $quick -eq 0 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DINVENTARI_SANITIZE=ON \
        -DINVENTARI_WITH_WINDOWS=OFF -DINVENTARI_BENCH=OFF
  cmake --build build-asan -j"$jobs"
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs" --timeout 600 -L 'platform|data|collector')

  # Only whether Clang accepts the tree, so the quickest build that says so:
  # unoptimised, without debug information or the benchmarks.
  cmake -S . -B build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
        -DINVENTARI_BENCH=OFF
  cmake --build build-clang -j"$jobs"
fi
