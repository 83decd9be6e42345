#!/usr/bin/env bash
# Authors the DVD-Video volumes the DVD tests read: ffmpeg encodes short clips from lavfi
# sources, spumux adds subpicture streams, dvdauthor builds each volume.
#   make_test_volumes.sh OUTDIR          the test volumes: pal_mixed, ntsc_mixed, pal_silent, pal_details
#   make_test_volumes.sh OUTDIR many N   one title set of N one-second titles: many_N
# Exits 77 when a tool is missing.
set -euo pipefail

out=$1
mode=${2:-test}
for tool in ffmpeg dvdauthor spumux; do
  command -v "$tool" >/dev/null || { echo "make_test_volumes.sh: $tool is missing" >&2; exit 77; }
done
mkdir -p "$out"
work=$(mktemp -d "$out/.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# encode NAME SECONDS SYSTEM(pal|ntsc) VIDEO(mpeg2|mpeg1) ASPECT AUDIO...
#   AUDIO: ac3-6, ac3-2, mp2-2, lpcm-2 (one stream each, in order)
encode() {
  local name=$1 seconds=$2 system=$3 video=$4 aspect=$5
  shift 5
  local size rate
  if [ "$system" = pal ]; then rate=25; size=720x576; else rate=30000/1001; size=720x480; fi
  if [ "$video" = mpeg1 ]; then
    if [ "$system" = pal ]; then size=352x288; else size=352x240; fi
  fi
  local args=(-hide_banner -loglevel fatal -y -f lavfi -i "testsrc=size=$size:rate=$rate")
  local maps=(-map 0:v) codecs=() n=0
  for audio in "$@"; do
    args+=(-f lavfi -i "sine=frequency=$((330 + 110 * n)):sample_rate=48000")
    maps+=(-map "$((n + 1)):a")
    case $audio in
      ac3-6) codecs+=(-c:a:$n ac3 -ac:a:$n 6 -b:a:$n 384k) ;;
      ac3-2) codecs+=(-c:a:$n ac3 -ac:a:$n 2 -b:a:$n 192k) ;;
      mp2-2) codecs+=(-c:a:$n mp2 -ac:a:$n 2 -b:a:$n 192k) ;;
      lpcm-2) codecs+=(-c:a:$n pcm_s16be -ac:a:$n 2) ;;
    esac
    n=$((n + 1))
  done
  [ "$n" -gt 0 ] || codecs+=(-an)
  local vcodec=(-c:v mpeg2video)
  [ "$video" = mpeg1 ] && vcodec=(-c:v mpeg1video -b:v 1150k -maxrate 1150k -bufsize 327680)
  ffmpeg "${args[@]}" "${maps[@]}" -t "$seconds" -target "$system-dvd" "${vcodec[@]}" -s "$size" \
    -aspect "$aspect" "${codecs[@]}" "$work/$name.mpg"
}

# subpictures NAME COUNT: adds COUNT subpicture streams to NAME.mpg
subpictures() {
  local name=$1 count=$2 stream
  [ -f "$work/sub.png" ] ||
    ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=white:s=320x48:d=1,format=rgb24" \
      -frames:v 1 "$work/sub.png"
  cat >"$work/sub.xml" <<XML
<subpictures><stream><spu start="00:00:00.50" end="00:00:01.50" image="$work/sub.png" xoffset="64" yoffset="160"/></stream></subpictures>
XML
  for ((stream = 0; stream < count; stream++)); do
    spumux -m dvd -s "$stream" "$work/sub.xml" <"$work/$name.mpg" >"$work/$name.sub.mpg" 2>/dev/null
    mv "$work/$name.sub.mpg" "$work/$name.mpg"
  done
}

# author NAME SYSTEM: builds $out/NAME from $work/NAME.xml
author() {
  rm -rf "${out:?}/$1"
  VIDEO_FORMAT=${2^^} dvdauthor -x "$work/$1.xml" >/dev/null 2>&1
  VIDEO_FORMAT=${2^^} dvdauthor -o "$out/$1" -T >/dev/null 2>&1
}

if [ "$mode" = many ]; then
  count=$3
  encode clip 1 pal mpeg2 4:3 mp2-2
  {
    echo "<dvdauthor dest=\"$out/many_$count\"><vmgm/><titleset><titles><audio lang=\"en\"/>"
    for ((i = 0; i < count; i++)); do echo "<pgc><vob file=\"$work/clip.mpg\"/></pgc>"; done
    echo "</titles></titleset></dvdauthor>"
  } >"$work/many_$count.xml"
  author "many_$count" pal
  exit 0
fi

# pal_mixed: three title sets, four titles.
encode pal_wide_1 3 pal mpeg2 16:9 ac3-6 mp2-2
subpictures pal_wide_1 2
encode pal_wide_2 2 pal mpeg2 16:9 ac3-6 mp2-2
encode pal_lpcm 2 pal mpeg2 4:3 lpcm-2
encode pal_mpeg1 2 pal mpeg1 4:3 mp2-2
cat >"$work/pal_mixed.xml" <<XML
<dvdauthor dest="$out/pal_mixed">
  <vmgm/>
  <titleset><titles>
    <video format="pal" aspect="16:9"/>
    <audio lang="en"/><audio lang="de"/>
    <subpicture lang="ru"/><subpicture/>
    <pgc><vob file="$work/pal_wide_1.mpg" chapters="0,0:01,0:02"/></pgc>
    <pgc><vob file="$work/pal_wide_2.mpg"/></pgc>
  </titles></titleset>
  <titleset><titles>
    <video format="pal" aspect="4:3"/>
    <audio/>
    <pgc><vob file="$work/pal_lpcm.mpg"/></pgc>
  </titles></titleset>
  <titleset><titles>
    <video format="pal" aspect="4:3"/>
    <audio lang="fr"/>
    <pgc><vob file="$work/pal_mpeg1.mpg" chapters="0,0:01"/></pgc>
  </titles></titleset>
</dvdauthor>
XML
author pal_mixed pal

# ntsc_mixed: two title sets, two titles.
encode ntsc_ac3 3 ntsc mpeg2 4:3 ac3-2
subpictures ntsc_ac3 1
encode ntsc_mpeg1 2 ntsc mpeg1 4:3 lpcm-2
cat >"$work/ntsc_mixed.xml" <<XML
<dvdauthor dest="$out/ntsc_mixed">
  <vmgm/>
  <titleset><titles>
    <video format="ntsc" aspect="4:3"/>
    <audio lang="ja"/>
    <subpicture lang="en"/>
    <pgc><vob file="$work/ntsc_ac3.mpg" chapters="0,0:01,0:02"/></pgc>
  </titles></titleset>
  <titleset><titles>
    <video format="ntsc" aspect="4:3"/>
    <audio lang="es"/>
    <pgc><vob file="$work/ntsc_mpeg1.mpg"/></pgc>
  </titles></titleset>
</dvdauthor>
XML
author ntsc_mixed ntsc

# pal_silent: one title with neither audio nor subpictures.
encode pal_silent 2 pal mpeg2 4:3
cat >"$work/pal_silent.xml" <<XML
<dvdauthor dest="$out/pal_silent">
  <vmgm/>
  <titleset><titles>
    <video format="pal" aspect="4:3"/>
    <pgc><vob file="$work/pal_silent.mpg"/></pgc>
  </titles></titleset>
</dvdauthor>
XML
author pal_silent pal

# pal_details, made last: a provider, audio contents, Dolby Surround, a forced subpicture with a stream per display mode, an RGB palette.
encode pal_details 2 pal mpeg2 16:9 ac3-2 lpcm-2
subpictures pal_details 2
printf '%s\n' ff0000 00ff00 0000ff ffffff 000000 808080 ffff00 00ffff ff00ff 102030 405060 708090 a0b0c0 d0e0f0 123456 abcdef >"$work/palette.rgb"
cat >"$work/pal_details.xml" <<XML
<dvdauthor dest="$out/pal_details" provider="LUMORA-TEST">
  <vmgm/>
  <titleset><titles>
    <video format="pal" aspect="16:9" widescreen="nopanscan"/>
    <audio lang="en" content="comments1" dolby="surround"/><audio lang="sv" content="impaired"/>
    <subpicture lang="fi" content="forced"><stream mode="widescreen" id="0"/><stream mode="letterbox" id="1"/></subpicture>
    <pgc palette="$work/palette.rgb"><vob file="$work/pal_details.mpg" chapters="0,0:01"/></pgc>
  </titles></titleset>
</dvdauthor>
XML
# Its video manager is the one the XML makes, which keeps the provider (-T would write another).
rm -rf "${out:?}/pal_details"
VIDEO_FORMAT=PAL dvdauthor -x "$work/pal_details.xml" >/dev/null 2>&1
