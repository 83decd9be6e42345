#!/usr/bin/env bash
# Installs the Debian packages Lumora needs, when any is missing:
#   scripts/install-deps.sh              what building and running the programs need (scripts/run.sh)
#   scripts/install-deps.sh --for-tests  that, and what the tests, the fuzzers, the benchmarks and
#                                        the package check need, and the locale the tests run
#                                        under (ru_RU.UTF-8) (scripts/test.sh)
set -euo pipefail

for_tests=false
case ${1:-} in
  "") ;;
  --for-tests) for_tests=true ;;
  *) echo "usage: $0 [--for-tests]" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake ninja-build pkg-config
  libavformat-dev libavcodec-dev libavfilter-dev libavutil-dev
  libdvdread-dev libasound2-dev libpulse-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev
  qt6-qpa-plugins qt6-translations-l10n fonts-wine
)
locales=()
if $for_tests; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    ffmpeg dvdauthor lsdvd genisoimage mediainfo desktop-file-utils lintian
    xvfb xauth pulseaudio pulseaudio-utils locales hyperfine time python3
  )
  locales+=(ru_RU.UTF-8)
fi

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
