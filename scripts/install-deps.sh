#!/usr/bin/env bash
# Installs the Debian packages Lumora needs to build, run and test, when any is missing, and
# generates the locales the tests run under (ru_RU.UTF-8), when it is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libavformat-dev libavcodec-dev libavfilter-dev libavdevice-dev libavutil-dev libswscale-dev
  libdvdread-dev libasound2-dev libv4l-dev libpulse-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-wine
  libgtest-dev libgmock-dev nlohmann-json3-dev libbenchmark-dev clang libclang-rt-14-dev
  ffmpeg dvdauthor lsdvd genisoimage desktop-file-utils locales xvfb xauth hyperfine mediainfo time python3
  pulseaudio pulseaudio-utils
)
locales=(ru_RU.UTF-8)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale is present when `locale -a` lists it (as ru_RU.utf8); locale-gen builds every locale
# that /etc/locale.gen names, so each is named there rather than built on the side.
generate=()
for name in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${name%%.*}.utf8" && continue
  if grep -qx "# *$name UTF-8" /etc/locale.gen 2>/dev/null; then
    $sudo sed -i "s/^# *$name UTF-8\$/$name UTF-8/" /etc/locale.gen
  elif ! grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$name UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  generate+=("$name")
done
if [ ${#generate[@]} -gt 0 ]; then
  echo "Generating locales: ${generate[*]}"
  $sudo locale-gen >/dev/null
fi
