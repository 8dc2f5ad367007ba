#!/usr/bin/env bash
# Proves the install on a built release tree (build/release): installs into a
# temporary prefix, builds a consumer project against it once with
# find_package and once with pkg-config and checks what it writes, then builds
# the Debian package, checks it with lintian, and (as root under CI) installs
# it, runs the installed tool and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
work="$(mktemp -d)"
trap 'rm -rf "${work}"' EXIT
prefix="${work}/prefix"
sample=examples/testcard-24.bmp

cmake --install "${build}" --prefix "${prefix}" > /dev/null
"${build}/tools/quindle-bmp" brightness "${sample}" "${work}/expected.bmp" --red 120 --blue 80
libdir="$(dirname "$(find "${prefix}" -name 'libQuindleBMPBrightnessRGB.so' | head -n 1)")"

check() {
  local what="$1" program="$2"
  LD_LIBRARY_PATH="${libdir}" "${program}" "${sample}" "${work}/${what}.bmp" 120 100 80
  cmp "${work}/expected.bmp" "${work}/${what}.bmp"
  echo "install: ${what} consumer writes what the module writes"
}

cmake -S tests/consumer -B "${work}/consumer" -DCMAKE_PREFIX_PATH="${prefix}" > /dev/null
cmake --build "${work}/consumer" > /dev/null
check find_package "${work}/consumer/consumer"

PKG_CONFIG_PATH="${libdir}/pkgconfig" cc -std=c11 -o "${work}/consumer-pc" tests/consumer/consumer.c \
  $(PKG_CONFIG_PATH="${libdir}/pkgconfig" pkg-config --cflags --libs QuindleBMPBrightnessRGB)
check pkg-config "${work}/consumer-pc"

test -f "${prefix}/share/man/man1/quindle-bmp.1.gz"
test -x "${prefix}/bin/quindle-bmp"

(cd "${build}" && cpack -G DEB > /dev/null)
deb="$(ls "${build}"/quindlebmpbrightnessrgb_1.0.0.1_*.deb)"
echo "install: built $(basename "${deb}")"
lintian --fail-on error --suppress-tags no-manual-page "${deb}"
echo "install: lintian reports no errors"

if [ "${CI:-}" = "true" ] && [ "$(id -u)" -eq 0 ]; then
  dpkg -i "${deb}" > /dev/null
  /usr/bin/quindle-bmp --version
  /usr/bin/quindle-bmp brightness "${sample}" "${work}/installed.bmp" --red 120 --blue 80
  cmp "${work}/expected.bmp" "${work}/installed.bmp"
  man -w quindle-bmp > /dev/null 2>&1 || test -f /usr/share/man/man1/quindle-bmp.1.gz
  dpkg --purge quindlebmpbrightnessrgb > /dev/null
  echo "install: the package installs, runs and is removed"
else
  contents="$(dpkg-deb --contents "${deb}")"
  grep -q './usr/bin/quindle-bmp' <<< "${contents}"
  grep -q 'libQuindleBMPBrightnessRGB.so.1' <<< "${contents}"
  echo "install: package contents checked (dpkg -i runs as root under CI)"
fi
echo "install: 4 passed, 0 failed"
