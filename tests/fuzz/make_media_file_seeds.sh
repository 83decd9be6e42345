#!/usr/bin/env bash
# Writes the media fuzzer's seeds: tiny files of the common containers and of the cases the
# detector treats apart (stored FourCCs and tags, MPEG in AVI, subtitles, cover art, RF64).
#   make_media_file_seeds.sh OUTDIR
set -euo pipefail
out=$1
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

picture="-f lavfi -i testsrc=rate=25:duration=0.2:size=32x24"
tone="-f lavfi -i sine=frequency=440:duration=0.2:sample_rate=8000"
printf '1\n00:00:00,000 --> 00:00:00,300\nhi\n' >"$work/cue.srt"

make() {  # NAME ARGUMENTS...
  local name=$1
  shift
  ffmpeg -nostdin -v error -y "$@" -fflags +bitexact -flags:v +bitexact -flags:a +bitexact \
    -map_metadata -1 "$work/$name"
  cp "$work/$name" "$out/seed_$name"
}

make avi_xvid_pcm.avi $picture $tone -c:v mpeg4 -tag:v XVID -c:a pcm_s16le
make avi_mpeg1_mp3.avi $picture $tone -c:v mpeg1video -c:a libmp3lame -b:a 32k
make avi_rgb.avi $picture -c:v rawvideo -pix_fmt bgr24 -frames:v 1
make wav_pcm.wav $tone -c:a pcm_s16le
make wav_adpcm.wav $tone -c:a adpcm_ima_wav
make wav_rf64.wav $tone -c:a pcm_u8 -rf64 always
make mkv_h264_ac3_srt.mkv $picture $tone -i "$work/cue.srt" -map 0 -map 1 -map 2 \
  -c:v libx264 -preset ultrafast -c:a ac3 -b:a 64k -c:s srt
make webm_vp8_opus.webm $picture $tone -c:v libvpx -deadline realtime -c:a libopus -b:a 16k
make mp4_h264_aac.mp4 $picture $tone -c:v libx264 -preset ultrafast -c:a aac -b:a 16k
make mov_mjpeg_pcm.mov $picture $tone -c:v mjpeg -c:a pcm_s16be
make mpg_mpeg2_mp2.mpg $picture $tone -c:v mpeg2video -c:a mp2 -b:a 32k -f vob
make ts_mpeg2_ac3.ts $picture $tone -c:v mpeg2video -c:a ac3 -b:a 64k
make ogg_theora_vorbis.ogg $picture $tone -c:v libtheora -c:a libvorbis
make flv_flv1_mp3.flv $picture $tone -c:v flv -c:a libmp3lame -b:a 32k -ar 11025
make asf_wmv2_wma.asf $picture $tone -c:v wmv2 -c:a wmav2 -b:a 32k
make mp3_cover.mp3 $tone -f lavfi -i color=c=red:size=16x16:duration=0.2 -map 0 -map 1 \
  -c:a libmp3lame -b:a 32k -c:v mjpeg -frames:v 1 -disposition:v:0 attached_pic
make flac.flac $tone -c:a flac
make aiff.aiff $tone -c:a pcm_s16be
# The first frames' reading: HDR10 SEI messages, AV1 metadata, an H.264 sequence that allows fields.
make mkv_hevc_hdr10.mkv $picture -c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params \
  "log-level=none:hdr10=1:master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(10000000,1):max-cll=1000,400"
make mkv_av1_pq.mkv $picture -c:v libaom-av1 -cpu-used 8 -usage realtime -pix_fmt yuv420p10le -color_trc smpte2084
make mkv_h264_mbaff.mkv $picture -vf setfield=tff -c:v libx264 -preset ultrafast -flags +ildct+ilme
ls -l "$out"
