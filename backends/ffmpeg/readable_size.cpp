#include "backends/ffmpeg/readable_size.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumora::ffmpeg {
namespace {

constexpr int kMaxExtents = 64;
constexpr int kMaxChunksBeforeData = 64;

bool ReadAt(int fd, int64_t at, unsigned char* out, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, out + done, size - done, static_cast<off_t>(at + done));
        if (got > 0) {
            done += static_cast<size_t>(got);
        } else if (got == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool Is(const unsigned char* bytes, const char (&tag)[5]) { return std::memcmp(bytes, tag, 4) == 0; }

uint32_t Le32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint32_t Be32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
uint64_t Le64(const unsigned char* p) { return Le32(p) | static_cast<uint64_t>(Le32(p + 4)) << 32; }

}  // namespace

int64_t EndOfWrittenData(int fd, int64_t size) {
    // Back from the end in doubling steps to a stretch that holds data, then forward over its
    // extents to the hole that runs to the end. A file system without holes reports all as data.
    for (int64_t back = 64 * 1024;; back *= 2) {
        const int64_t from = std::max<int64_t>(size - back, 0);
        off_t at = ::lseek(fd, from, SEEK_DATA);
        if (at < 0) {
            if (errno != ENXIO) return size;
            if (from == 0) return 0;  // nothing was ever written
            continue;
        }
        for (int extent = 0; extent < kMaxExtents; ++extent) {
            const off_t hole = ::lseek(fd, at, SEEK_HOLE);
            if (hole < 0 || hole >= size) return size;
            at = ::lseek(fd, hole, SEEK_DATA);
            if (at < 0) return errno == ENXIO ? hole : size;
        }
        return size;
    }
}

int64_t EndOfRiffWave(int fd, int64_t size) {
    unsigned char head[12];
    if (size < 12 || !ReadAt(fd, 0, head, sizeof head) || !Is(head + 8, "WAVE")) return size;
    const bool bigEndian = Is(head, "RIFX");
    const bool wide = Is(head, "RF64") || Is(head, "BW64");  // sizes in a ds64 chunk
    if (!bigEndian && !wide && !Is(head, "RIFF")) return size;
    const auto word = [bigEndian](const unsigned char* p) { return bigEndian ? Be32(p) : Le32(p); };

    uint64_t riffEnd = 8 + uint64_t{word(head + 4)};
    uint64_t wideDataSize = 0;
    int64_t at = 12;
    for (int chunk = 0; chunk < kMaxChunksBeforeData && at <= size - 8; ++chunk) {
        unsigned char header[8];
        if (!ReadAt(fd, at, header, sizeof header)) return size;
        uint64_t length = word(header + 4);
        if (wide && Is(header, "ds64")) {
            unsigned char sizes[16];
            if (length < sizeof sizes || !ReadAt(fd, at + 8, sizes, sizeof sizes)) return size;
            riffEnd = std::min<uint64_t>(Le64(sizes), INT64_MAX - 8) + 8;
            wideDataSize = Le64(sizes + 8);
        } else if (Is(header, "data")) {
            if (wide && length == 0xFFFFFFFF) length = wideDataSize;
            // 0 and 0xFFFFFFFF say that the data runs to the end of the file, as while recording.
            if (length == 0 || (!wide && length == 0xFFFFFFFF) || length > static_cast<uint64_t>(size))
                return size;
            const uint64_t dataEnd = static_cast<uint64_t>(at) + 8 + length;
            return riffEnd >= dataEnd && riffEnd < static_cast<uint64_t>(size) ? static_cast<int64_t>(riffEnd)
                                                                               : size;
        }
        at += static_cast<int64_t>(8 + length + (length & 1));
    }
    return size;
}

int64_t ReadableSize(int fd, int64_t size) { return EndOfRiffWave(fd, EndOfWrittenData(fd, size)); }

}  // namespace lumora::ffmpeg
