#!/usr/bin/env bash
# Builds and runs every test: the release build with GCC and with Clang, the
# debug build under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer, the concurrency test under ThreadSanitizer, and
# each fuzz target for a minute. After the release build it proves the
# install, the CMake package, pkg-config and the Debian package, and tests the
# Windows DLL under Wine. Any compiler warning fails the build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang libclang-rt-14-dev pkg-config dpkg-dev help2man lintian

jobs="$(nproc)"
for preset in release clang-release debug-asan; do
  echo "=== ${preset}"
  cmake --preset "${preset}" -DQUINDLE_WARNINGS_AS_ERRORS=ON > /dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  ctest --preset "${preset}" -j "${jobs}"
  if [ "${preset}" = release ]; then
    scripts/check-install.sh
    scripts/test-windows.sh
  fi
done

echo "=== tsan"
cmake --preset tsan -DQUINDLE_WARNINGS_AS_ERRORS=ON > /dev/null
cmake --build --preset tsan -j "${jobs}"
ctest --preset tsan

scripts/fuzz.sh --seconds "${QUINDLE_FUZZ_SECONDS:-60}"
