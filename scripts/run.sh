#!/usr/bin/env bash
# Builds the module and the example host, then brightens the sample test cards
# (red 120 %, green 100 %, blue 80 %) into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target QuindleBMPBrightnessRGB brightness_host

mkdir -p out
host=build/release/examples/brightness_host
"${host}" examples/testcard-24.bmp out/testcard-24-bright.bmp 120 100 80
"${host}" examples/testcard-8.bmp out/testcard-8-bright.bmp 120 100 80
echo "written: out/testcard-24-bright.bmp out/testcard-8-bright.bmp"
