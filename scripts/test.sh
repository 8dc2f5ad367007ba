#!/usr/bin/env bash
# Builds and runs every test: the release build with GCC and with Clang, then
# the debug build under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer. Any compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang

jobs="$(nproc)"
for preset in release clang-release debug-asan; do
  echo "=== ${preset}"
  cmake --preset "${preset}" -DQUINDLE_WARNINGS_AS_ERRORS=ON > /dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
done
