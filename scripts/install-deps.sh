#!/usr/bin/env bash
# Installs the Debian packages Lumora needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libavformat-dev libavcodec-dev libavfilter-dev libavdevice-dev libavutil-dev libswscale-dev
  libdvdread-dev libasound2-dev libv4l-dev libpulse-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-wine
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  ffmpeg dvdauthor lsdvd xvfb xauth hyperfine pulseaudio pulseaudio-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
