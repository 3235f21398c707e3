#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the exam window and its package need,
# skipping the ones already present. Nothing is fetched except through apt.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql
  libxcb1-dev
  fontconfig fonts-liberation fonts-comfortaa
  xvfb xauth xdotool libxcb-xtest0-dev time
  openbox fluxbox icewm x11-utils x11-xserver-utils
  desktop-file-utils appstream dpkg-dev file lintian
  dbus-daemon at-spi2-core orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  postgresql postgresql-client
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
