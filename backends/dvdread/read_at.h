// Reading a stretch of a file by position.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <vector>

namespace lumora::dvdread {

// Up to size bytes at offset; fewer at the end of the file or on an error.
inline std::vector<uint8_t> ReadAt(int fd, uint64_t offset, uint64_t size) {
    std::vector<uint8_t> bytes(size);
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, bytes.data() + got, size - got, static_cast<off_t>(offset + got));
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

}  // namespace lumora::dvdread
