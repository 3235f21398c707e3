#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the exam window need,
# skipping the ones already present. Nothing is fetched except through apt.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite
  fontconfig fonts-liberation fonts-comfortaa
  xvfb xauth xdotool time
  libxcb1-dev openbox x11-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Run as root, or install them first:  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing missing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
