#!/usr/bin/env bash
# Builds and runs every test: the release build, then the debug build under
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs="$(nproc)"
for preset in release debug-asan; do
  echo "=== ${preset}"
  cmake --preset "${preset}" > /dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
done
