#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping those
# already present. Extra packages may be named as arguments.
set -euo pipefail

packages=(cmake make g++ binutils libgtest-dev libcli11-dev "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "installing: ${missing[*]}" >&2
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
apt_options=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${apt_options[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${apt_options[@]}" install -y -qq \
  --no-install-recommends "${missing[@]}"
