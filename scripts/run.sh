#!/usr/bin/env bash
# Builds the module, the command-line tool and the example host, then
# brightens the sample test cards (red 120 %, green 100 %, blue 80 %) into out/:
# the 24-bit card with the tool, which also writes a before-and-after preview,
# and the 8-bit card through the example host that loads the module with dlopen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target QuindleBMPBrightnessRGB brightness_host quindle-bmp

mkdir -p out
build/release/tools/quindle-bmp brightness examples/testcard-24.bmp out/testcard-24-bright.bmp \
  --red 120 --green 100 --blue 80 --preview out/preview.bmp
build/release/examples/brightness_host examples/testcard-8.bmp out/testcard-8-bright.bmp 120 100 80
echo "written: out/testcard-24-bright.bmp, out/preview.bmp (before | after), out/testcard-8-bright.bmp"
