#!/usr/bin/env bash
# Installs what Velnor needs, builds it and runs it with the bundled database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNOR_TESTS=OFF
cmake --build build/release
cd build/release/bin
# The program looks for Velnor.dkt in its working directory; the build puts it here.
exec ./velnor "$@"
