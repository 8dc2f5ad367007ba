#!/usr/bin/env bash
# Cross-builds the Windows DLL with MinGW-w64 and tests it under Wine: the host
# program loads it, checks its exports and version record, and brightens
# sample files of every depth; the outputs must equal the Linux build's byte
# for byte. Needs the release build (build/release) for the Linux outputs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh g++-mingw-w64-x86-64 wine64
cmake --preset windows > /dev/null
cmake --build --preset windows -j "$(nproc)" > /dev/null

work="$(mktemp -d)"
cleanup() {
  WINEPREFIX="${work}/prefix" /usr/lib/wine/wineserver64 -k 2> /dev/null || true
  rm -rf "${work}"
}
trap cleanup EXIT
mkdir -p "${work}/in" "${work}/windows" "${work}/linux"
samples=(pal1 pal4 pal8 pal8-0 rgb16 rgb16-565 rgb24 rgb32)
inputs=()
for name in "${samples[@]}"; do
  cp "tests/data/bmpsuite/g/${name}.bmp" "${work}/in/"
  inputs+=("Z:${work}/in/${name}.bmp")
done
cp examples/testcard-8.bmp "${work}/in/"
inputs+=("Z:${work}/in/testcard-8.bmp")

for input in "${work}"/in/*.bmp; do
  build/release/examples/brightness_host "${input}" "${work}/linux/$(basename "${input}")" 120 100 80 > /dev/null
done

# A fresh, headless prefix: no display, no prompts for Mono or Gecko.
export WINEPREFIX="${work}/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY
timeout 300 /usr/lib/wine/wine64 build/windows/src/host.exe "Z:${work}/windows" "${inputs[@]}" \
  | tr -d '\r' | tee "${work}/host.log"
timeout 60 /usr/lib/wine/wineserver64 -w || true
grep -q ' 0 failed$' "${work}/host.log"

compared=0
for expected in "${work}"/linux/*.bmp; do
  cmp "${expected}" "${work}/windows/$(basename "${expected}")"
  compared=$((compared + 1))
done
echo "windows: ${compared} outputs identical to the Linux build's"
echo "windows: ${compared} passed, 0 failed"
