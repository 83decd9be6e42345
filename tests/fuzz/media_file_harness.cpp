#include "tests/fuzz/media_file_harness.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/lumora_info/file_details_json.h"
#include "app/page_text/file_details_report.h"
#include "app/page_text/file_page_lines.h"
#include "backends/ffmpeg/media_detector.h"
#include "component/lumoram.h"
#include "platform/com.h"
#include "platform/media_det.h"
#include "platform/unique_fd.h"

namespace {

// A file that lives in memory, reached by a path like any other.
class MemoryFile {
public:
    MemoryFile()
        : fd_(::memfd_create("lumora-media-fuzz", MFD_CLOEXEC)),
          path_("/proc/self/fd/" + std::to_string(fd_.Get())) {}

    const std::string& Hold(const uint8_t* data, size_t size) {
        if (::ftruncate(fd_.Get(), 0) != 0) return path_;
        for (size_t done = 0; done < size;) {
            const ssize_t wrote = ::pwrite(fd_.Get(), data + done, size - done, static_cast<off_t>(done));
            if (wrote <= 0) break;
            done += static_cast<size_t>(wrote);
        }
        return path_;
    }

private:
    UniqueFd fd_;
    std::string path_;
};

}  // namespace

void RunMediaFileInput(const uint8_t* data, size_t size) {
    static const bool initialised = (CoInitialize(nullptr), true);
    (void)initialised;
    // The backend linked into this program, where the fuzzer sees its coverage, not its module.
    static const ScopedClassOverride detector(CLSID_MediaDet, &lumora::ffmpeg::CreateMediaDetector);
    static MemoryFile file;

    TKxLumora lumora;
    lumora.SetFileName(file.Hold(data, size));
    lumora.ReadFileInfo();
    const std::vector<std::string> lines = FilePageLines(lumora);
    const std::string report = ReportText(FileDetailsReport(lumora));
    const std::string json = lumora.Details() ? JsonLine(FileDetailsJson(*lumora.Details())) : std::string();
    (void)lines;
    (void)report;
    (void)json;
}
