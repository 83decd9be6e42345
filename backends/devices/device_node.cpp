#include "backends/devices/device_node.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <memory>
#include <string_view>
#include <utility>

namespace lumora::devices {

DeviceNode::DeviceNode(const std::string& path, bool writable) {
    const int flags = (writable ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    fd_.Reset(::open(path.c_str(), flags));
    if (!fd_.IsOpen()) return;
    struct stat status {};
    if (::fstat(fd_.Get(), &status) != 0 || !S_ISCHR(status.st_mode)) fd_.Reset();
}

bool DeviceNode::Control(unsigned long request, void* argument) const {
    if (!fd_.IsOpen()) return false;
    int result;
    do {
        result = ::ioctl(fd_.Get(), request, argument);
    } while (result < 0 && errno == EINTR);
    return result >= 0;
}

std::vector<std::string> NumberedEntries(const std::string& folder, const std::string& prefix) {
    struct DirCloser {
        void operator()(DIR* dir) const { ::closedir(dir); }
    };
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    std::vector<std::pair<unsigned, std::string>> found;
    if (!dir) return {};
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view digits = name.substr(prefix.size());
        unsigned number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc() || end != digits.data() + digits.size()) continue;
        found.emplace_back(number, folder + "/" + std::string(name));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& [number, path] : found)
        paths.push_back(std::move(path));
    return paths;
}

}  // namespace lumora::devices
