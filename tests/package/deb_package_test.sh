#!/usr/bin/env bash
# The Debian package of a build holds exactly what the install rules install, under /usr, and
# depends on the libraries its programs and modules load. With --lintian (a hardened build) and
# lintian installed, lintian finds no error and no warning in it.
#   deb_package_test.sh BUILD_DIR [--lintian]
set -euo pipefail
build=$1
with_lintian=${2:-}
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/lumora_*_*.deb)
[[ $(basename "$deb") =~ ^lumora_[0-9.]+_[a-z0-9]+\.deb$ ]] || { echo "unexpected name: $deb"; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . -type f | sort) >"$work/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" || { echo "the package differs from the install rules"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for library in libavformat libavcodec libavfilter libdvdread libasound2 libpulse0 libqt6widgets6 qt6-qpa-plugins; do
  grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; exit 1; }
done

checked="not checked by lintian"
if [ "$with_lintian" = --lintian ] && command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    { grep -v "root privileges" "$work/lintian.log"; echo "lintian finds errors or warnings"; exit 1; }
  checked="no error or warning from lintian"
fi
echo "ok: $(basename "$deb"), $(wc -l <"$work/packaged") files, $checked"
