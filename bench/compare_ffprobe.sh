#!/usr/bin/env bash
# Whole-process time of `lumora_info FILE` against `ffprobe -v quiet -show_streams FILE`, run
# alternately, and of one lumora_info run over 100 files against 100 ffprobe runs.
#   bench/compare_ffprobe.sh [LUMORA_INFO [FILE...]]
# Without files it takes the samples the integration tests made (build/test-media).
set -euo pipefail
cd "$(dirname "$0")/.."
info=${1:-build-rel/app/lumora_info}
shift || true
files=("$@")
[ ${#files[@]} -gt 0 ] || mapfile -t files < <(ls build/test-media/*.* 2>/dev/null | grep -v partial)
[ ${#files[@]} -gt 0 ] || { echo "no files: run the integration tests first, or name files" >&2; exit 2; }
runs=${RUNS:-21}

now() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
ms() { awk -v n="$1" 'BEGIN {printf "%.2f", n/1e6}'; }

printf '%-44s %12s %12s %7s\n' file "lumora ms" "ffprobe ms" ratio
for file in "${files[@]}"; do
  : >/tmp/lumora.$$; : >/tmp/ffprobe.$$
  for _ in $(seq "$runs"); do
    t0=$(now); "$info" "$file" >/dev/null || true; t1=$(now)
    ffprobe -v quiet -show_streams "$file" >/dev/null || true; t2=$(now)
    echo $((t1 - t0)) >>/tmp/lumora.$$; echo $((t2 - t1)) >>/tmp/ffprobe.$$
  done
  l=$(median </tmp/lumora.$$); f=$(median </tmp/ffprobe.$$)
  printf '%-44s %12s %12s %7s\n' "$(basename "$file" | cut -c1-44)" "$(ms "$l")" "$(ms "$f")" \
    "$(awk -v a="$l" -v b="$f" 'BEGIN {printf "%.2f", a/b}')"
done

hundred=()
while [ ${#hundred[@]} -lt 100 ]; do hundred+=("${files[@]}"); done
hundred=("${hundred[@]:0:100}")
: >/tmp/lumora.$$; : >/tmp/ffprobe.$$
for _ in $(seq 5); do
  t0=$(now); "$info" "${hundred[@]}" >/dev/null || true; t1=$(now)
  for file in "${hundred[@]}"; do ffprobe -v quiet -show_streams "$file" >/dev/null || true; done; t2=$(now)
  echo $((t1 - t0)) >>/tmp/lumora.$$; echo $((t2 - t1)) >>/tmp/ffprobe.$$
done
l=$(median </tmp/lumora.$$); f=$(median </tmp/ffprobe.$$)
printf '%-44s %12s %12s %7s\n' "100 files (one run / 100 runs)" "$(ms "$l")" "$(ms "$f")" \
  "$(awk -v a="$l" -v b="$f" 'BEGIN {printf "%.2f", a/b}')"
rm -f /tmp/lumora.$$ /tmp/ffprobe.$$
