#include "app/page_text/file_page_lines.h"

#include "component/lumoram.h"
#include "mediainfo/analyse_media_file.h"
#include "mediainfo/number_text.h"

std::vector<std::string> FilePageLines(const TKxLumora& lumora) {
    const std::string& separator = lumora.DecimalSeparator();
    const TKxVideoStreamInfo& video = lumora.Video();
    std::vector<std::string> lines = {
        "********* ВИДЕО *********",
        "Кодек: " + video.Codec,
        "Длина: " + video.Duration,
        "Ширина: " + std::to_string(video.Width),
        "Высота: " + std::to_string(video.Height),
        "FOURCC: " + video.FourCC,
        "Отношение сторон: " + video.AspectRatio,
        "Частота кадров: " + FormatGeneralNumber(video.FrameRate, separator),
        "Битрейт: " + FormatGeneralNumber(video.BitRate, separator),
        "Число кадров: " + std::to_string(video.FrameCount),
    };
    for (int32_t n = 1; n <= lumora.AudioStreamCount(); ++n) {
        const TKxAudioStreamInfo& audio = lumora.GetAudioStream(n - 1);
        lines.insert(lines.end(), {
                                      "********* АУДИО *********",
                                      "Аудио #" + std::to_string(n),
                                      "Кодек: " + audio.Codec,
                                      "Инфа кодека: " + audio.CodecInfo,
                                      "Длина: " + audio.Duration,
                                      "Битрейт: " + audio.BitRate,
                                      "Каналы: " + audio.Channels,
                                      "Частота: " + audio.SampleRate,
                                      "BPS: " + audio.BitsPerSample,
                                  });
    }
    if (IsFailureMarker(lumora.VideoMajorType())) lines.push_back(lumora.VideoMajorType());
    return lines;
}
