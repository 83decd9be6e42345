#include "tests/integration/media/media_samples.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <ostream>

#include "tests/support/media_tools.h"

namespace lumora::testing {
namespace {

const std::string kPicture = "-f lavfi -i testsrc=rate=25:duration=2:size=";
const std::string kTone = "-f lavfi -i sine=frequency=440:duration=2:sample_rate=";

// A text as an ffmpeg input of its own ("data:" reads it from the argument).
std::string DataInput(const std::string& format, const std::string& text) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    for (size_t at = 0; at < text.size(); at += 3) {
        const size_t left = std::min<size_t>(3, text.size() - at);
        uint32_t group = 0;
        for (size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < left ? static_cast<unsigned char>(text[at + i]) : 0u);
        for (size_t i = 0; i < 4; ++i)
            encoded += i <= left ? kDigits[group >> (18 - 6 * i) & 63] : '=';
    }
    return "-f " + format + " -i " + ShellQuote("data:text/plain;base64," + encoded) + " ";
}

// A display matrix as MP4 stores it: nine 32-bit big-endian numbers.
std::string Matrix(std::initializer_list<uint32_t> values) {
    std::string bytes;
    for (const uint32_t value : values)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>(value >> shift & 0xFF);
    return bytes;
}

const std::string kIdentity = Matrix({0x10000, 0, 0, 0, 0x10000, 0, 0, 0, 0x40000000});

const std::string kSubRip =
    "1\n00:00:00,000 --> 00:00:01,000\nBonjour\n\n2\n00:00:01,000 --> 00:00:02,000\nSalut\n";
const std::string kAss =
    "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\nFormat: Name, Fontname, Fontsize\nStyle: "
    "Default,Arial,20\n\n"
    "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
    "Dialogue: 0,0:00:00.00,0:00:01.00,Default,,0,0,0,,Hi\n";
const std::string kWebVtt = "WEBVTT\n\n00:00.000 --> 00:01.000\nHi\n";
const std::string kHolidayMetadata =
    ";FFMETADATA1\ntitle=Holiday 2026\nartist=Someone\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\n"
    "title=Arrival\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Beach\n";
const std::string kHdr10 =
    "-c:v libx265 -preset ultrafast -pix_fmt yuv420p10le -x265-params " +
    ShellQuote(
        "log-level=none:hdr10=1:colorprim=bt2020:transfer=smpte2084:colormatrix=bt2020nc:"
        "master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)"
        "L(10000000,1):max-cll=1000,400");

void ReplaceInHeaders(const std::string& path, const std::string& from, const std::string& to) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    std::string head(64 * 1024, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(file.gcount()));
    for (size_t at = head.find(from); at != std::string::npos; at = head.find(from, at + 1))
        head.replace(at, to.size(), to);
    file.clear();
    file.seekp(0);
    file.write(head.data(), static_cast<std::streamsize>(head.size()));
}

// Samples are kept in the build tree between runs, named by a hash of how they are made.
std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path = LUMORA_TEST_MEDIA_DIR;
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

std::string CachedName(const Sample& sample) {
    const size_t hash = std::hash<std::string>{}(sample.arguments + '\n' + sample.from + '\n' + sample.to +
                                                 (sample.input.empty() ? "" : '\n' + sample.input));
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "%016zx-", hash);
    return prefix + sample.name;
}

}  // namespace

void PrintTo(const Sample& sample, std::ostream* out) { *out << sample.name; }

std::string TestNameOf(const Sample& sample) {
    std::string name;
    for (const char c : sample.name)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

const std::vector<Sample>& AllSamples() {
    static const std::vector<Sample> samples = {
        {"xvid_pcm.avi", kPicture + "640x480 " + kTone + "44100 -ac 2 -c:v mpeg4 -tag:v XVID -c:a pcm_s16le"},
        {"div3_mp3.avi",
         kPicture + "320x240 " + kTone + "22050 -c:v msmpeg4 -tag:v DIV3 -c:a libmp3lame -b:a 64k"},
        {"mjpeg.avi", kPicture + "352x288 -c:v mjpeg -q:v 5"},
        {"undecodable.avi", kPicture + "176x144 -c:v mpeg4 -tag:v XVID", "XVID", "bt20"},
        {"unknown_fourcc.avi", kPicture + "176x144 -c:v mpeg4 -tag:v XVID", "XVID", "QQZZ"},
        {"rgb24.avi", kPicture + "160x120 -c:v rawvideo -pix_fmt bgr24"},
        // MPEG-1/2 video under codes of other makers' codecs (ffmpeg writes only mpg1/mpg2).
        {"mpeg1_mpeg.avi", kPicture + "352x288 -c:v mpeg1video", "mpg1", "mpeg"},
        {"mpeg2_mp2v.avi", kPicture + "352x288 -c:v mpeg2video", "mpg2", "mp2v"},
        {"mpeg2_em2v.avi", kPicture + "352x288 -c:v mpeg2video", "mpg2", "em2v"},
        {"odd_size.avi", kPicture + "723x481 -c:v ffv1 -pix_fmt yuv444p"},
        {"pcm16.wav", kTone + "44100 -ac 2 -c:a pcm_s16le"},
        {"pcm8.wav", kTone + "8000 -c:a pcm_u8"},
        // Short enough that reading the stream's information reaches the end of its data.
        {"short_pcm8.wav", "-f lavfi -i sine=frequency=440:duration=0.1:sample_rate=8000 -c:a pcm_u8"},
        {"alaw.wav", kTone + "8000 -c:a pcm_alaw"},
        {"float.wav", kTone + "48000 -c:a pcm_f32le"},
        {"ima_adpcm.wav", kTone + "22050 -c:a adpcm_ima_wav"},
        {"mp3.wav", kTone + "44100 -c:a libmp3lame -b:a 128k"},
        {"h264_two_audio.mkv",
         kPicture + "1280x720 " + kTone + "48000 " + kTone +
             "44100 -map 0 -map 1 -map 2 -c:v libx264 -preset ultrafast -c:a:0 ac3 -ac:a:0 2 "
             "-c:a:1 aac"},
        {"h264_aac.mp4",
         kPicture + "854x480 " + kTone + "48000 -c:v libx264 -preset ultrafast -c:a aac -b:a 96k"},
        {"ntsc.mp4",
         "-f lavfi -i testsrc=rate=30000/1001:duration=2:size=720x480 -c:v libx264 -preset ultrafast"},
        {"anamorphic.mkv", kPicture + "720x576 -c:v libx264 -preset ultrafast -aspect 16:9"},
        {"mpeg2_mp2.mpg", kPicture + "720x576 " + kTone + "48000 -c:v mpeg2video -b:v 4M -c:a mp2 -f vob"},
        {"mpeg1_system.mpg",
         kPicture + "352x288 " + kTone + "44100 -c:v mpeg1video -b:v 1M -c:a mp2 -f mpeg"},
        {"theora_vorbis.ogg", kPicture + "320x240 " + kTone + "44100 -c:v libtheora -c:a libvorbis"},
        {"vp9_opus.webm",
         kPicture + "320x180 " + kTone + "48000 -c:v libvpx-vp9 -deadline realtime -c:a libopus"},
        {"hevc.mp4", kPicture + "320x240 -c:v libx265 -preset ultrafast -x265-params log-level=none"},
        {"flac.mkv", kTone + "44100 -c:a flac"},
        {"cover.mp3", kTone + "44100 -f lavfi -i color=c=red:size=64x64:duration=0.04 -map 0 -map 1 "
                              "-c:a libmp3lame -c:v mjpeg -frames:v 1 -disposition:v:0 attached_pic"},
        // Every fact of the details: languages, titles, flags, chapters, tags, codecs and colour.
        {"holiday.mkv",
         kPicture + "1280x720 " + kTone + "48000 " + kTone + "48000 " + DataInput("srt", kSubRip) +
             DataInput("ffmetadata", kHolidayMetadata) +
             "-map 0 -map 1 -map 2 -map 3 -map_metadata 4 -map_chapters 4 -c:v libx264 -preset veryfast "
             "-pix_fmt yuv420p -color_primaries bt709 -color_trc bt709 -colorspace bt709 "
             "-c:a:0 ac3 -ac:a:0 6 -c:a:1 libopus -c:s srt -metadata:s:a:0 language=eng -metadata:s:a:0 "
             "title=Surround "
             "-metadata:s:a:1 language=rus -metadata:s:s:0 language=fre -disposition:s:0 forced"},
        {"tracks.mkv",
         kPicture + "320x240 " + kTone + "48000 " + DataInput("ass", kAss) + DataInput("webvtt", kWebVtt) +
             "-map 0 -map 1 -map 1 -map 2 -map 3 -vf setfield=tff -c:v libx264 -preset veryfast "
             "-flags +ildct+ilme -c:a:0 eac3 -ac:a:0 6 -c:a:1 flac -ac:a:1 8 -sample_fmt:a:1 s32 "
             "-c:s:0 ass -c:s:1 webvtt -disposition:a:0 default+comment -disposition:a:1 visual_impaired "
             "-disposition:s:0 hearing_impaired -metadata:s:a:1 language=ger -metadata:s:s:1 language=spa "
             "-attach " LUMORA_INFO_MAN_PAGE
             " -metadata:s:t filename=font.ttf -metadata:s:t mimetype=application/x-truetype-font"},
        {"hdr10.mkv", kPicture + "320x240 " + kHdr10},
        {"hlg_av1.mkv", kPicture + "160x120 -c:v libaom-av1 -cpu-used 8 -usage realtime -pix_fmt yuv420p10le "
                                   "-color_primaries bt2020 -color_trc arib-std-b67 -colorspace bt2020nc"},
        {"interlaced.mpg", kPicture + "720x576 -c:v mpeg2video -flags +ilme+ildct -top 1 -aspect 16:9"},
        // Stored as 'hvc1' and turned by a quarter: the display matrix is written into the headers.
        {"rotated.mp4",
         kPicture + "320x240 " + kTone + "44100 " + DataInput("srt", kSubRip) +
             "-map 0 -map 1 -map 2 -c:v libx265 -preset ultrafast -x265-params log-level=none -tag:v hvc1 "
             "-c:a alac -c:s mov_text -movflags +faststart",
         kIdentity, Matrix({0, 0x10000, 0, 0xFFFF0000, 0, 0, 0, 0, 0x40000000})},
        {"pcm24.wav", kTone + "96000 -c:a pcm_s24le"},
        {"vfr.mp4",
         kPicture + "320x240 -vf select='not(eq(n\\,10))' -fps_mode vfr -c:v libx264 -preset ultrafast"},
    };
    return samples;
}

std::string MadeSample(const Sample& sample) {
    const std::filesystem::path target = Folder() / CachedName(sample);
    if (std::filesystem::exists(target)) return target.string();
    // Made under a name of this process's own, then renamed: parallel test processes never see
    // half a file.
    const std::string partial =
        (Folder() / (std::to_string(::getpid()) + ".partial" + target.extension().string())).string();
    std::string arguments = sample.arguments;
    if (const size_t at = arguments.find("{input}"); at != std::string::npos) {
        std::ofstream(partial + ".input", std::ios::binary) << sample.input;
        arguments.replace(at, 7, ShellQuote(partial + ".input"));
    }
    const bool made = HaveTool("ffmpeg") && MakeMedia(partial, arguments);
    std::filesystem::remove(partial + ".input");
    if (!made) return {};
    if (!sample.from.empty()) ReplaceInHeaders(partial, sample.from, sample.to);
    std::filesystem::rename(partial, target);
    return target.string();
}

std::string SamplePath(const std::string& name) {
    static std::map<std::string, std::string> made;
    if (const auto found = made.find(name); found != made.end()) return found->second;
    std::string& path = made[name];
    for (const Sample& sample : AllSamples())
        if (sample.name == name) return path = MadeSample(sample);
    return path;
}

}  // namespace lumora::testing
