#include "tests/integration/media/media_samples.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>

#include "tests/support/media_tools.h"

namespace lumora::testing {
namespace {

const std::string kPicture = "-f lavfi -i testsrc=rate=25:duration=2:size=";
const std::string kTone = "-f lavfi -i sine=frequency=440:duration=2:sample_rate=";

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
    const size_t hash = std::hash<std::string>{}(sample.arguments + '\n' + sample.from + '\n' + sample.to);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "%016zx-", hash);
    return prefix + sample.name;
}

}  // namespace

const std::vector<Sample>& AllSamples() {
    static const std::vector<Sample> samples = {
        {"xvid_pcm.avi", kPicture + "640x480 " + kTone + "44100 -ac 2 -c:v mpeg4 -tag:v XVID -c:a pcm_s16le"},
        {"div3_mp3.avi",
         kPicture + "320x240 " + kTone + "22050 -c:v msmpeg4 -tag:v DIV3 -c:a libmp3lame -b:a 64k"},
        {"mjpeg.avi", kPicture + "352x288 -c:v mjpeg -q:v 5"},
        {"undecodable.avi", kPicture + "176x144 -c:v mpeg4 -tag:v XVID", "XVID", "bt20"},
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
    };
    return samples;
}

std::string SamplePath(const std::string& name) {
    static std::map<std::string, std::string> made;
    if (const auto found = made.find(name); found != made.end()) return found->second;
    std::string& path = made[name];
    for (const Sample& sample : AllSamples()) {
        if (sample.name != name) continue;
        const std::filesystem::path target = Folder() / CachedName(sample);
        if (std::filesystem::exists(target)) return path = target.string();
        // Made under a name of this process's own, then renamed: parallel test processes never
        // see half a file.
        const std::filesystem::path partial =
            Folder() / (std::to_string(::getpid()) + ".partial" + target.extension().string());
        if (!HaveTool("ffmpeg") || !MakeMedia(partial.string(), sample.arguments)) break;
        if (!sample.from.empty()) ReplaceInHeaders(partial.string(), sample.from, sample.to);
        std::filesystem::rename(partial, target);
        path = target.string();
    }
    return path;
}

}  // namespace lumora::testing
