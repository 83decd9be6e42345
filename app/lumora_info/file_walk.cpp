#include "app/lumora_info/file_walk.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <utility>

#include "app/lumora_info/file_names.h"

namespace {

bool MatchesAny(const std::vector<std::string>& patterns, const std::string& name) {
    return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
        return ::fnmatch(pattern.c_str(), name.c_str(), 0) == 0;
    });
}

// A directory stream that closes itself.
struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirPtr = std::unique_ptr<DIR, DirCloser>;

class FolderWalk {
public:
    FolderWalk(const NameFilter& filter, ExpandedFiles& out) : filter_(filter), out_(out) {}

    void Walk(const std::string& root) {
        visited_.clear();
        const size_t first = out_.files.Size();
        std::vector<std::string> pending = {root};
        bool top = true;
        while (!pending.empty()) {
            const std::string folder = std::move(pending.back());
            pending.pop_back();
            Read(folder, top, pending);
            top = false;
        }
        out_.files.SortFrom(first);
    }

private:
    void Report(const std::string& folder, int error) {
        std::fprintf(stderr, "lumora_info: %s: %s\n", EscapedName(folder).c_str(), std::strerror(error));
        out_.unreadableFolder = true;
    }

    // The folder's files into the list, its subfolders into `folders`; the top folder may be
    // reached through a link.
    void Read(const std::string& folder, bool top, std::vector<std::string>& folders) {
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (top ? 0 : O_NOFOLLOW);
        const int fd = ::open(folder.c_str(), flags);
        if (fd < 0) {
            // Gone, or replaced by a link, since it was listed: nothing to read there.
            if (errno != ENOENT && !(errno == ELOOP && !top) && errno != ENOTDIR) Report(folder, errno);
            return;
        }
        DirPtr dir(::fdopendir(fd));
        if (!dir) {
            const int error = errno;
            ::close(fd);
            Report(folder, error);
            return;
        }
        struct stat status {};
        if (::fstat(fd, &status) != 0) {
            Report(folder, errno);
            return;
        }
        if (!visited_.insert({status.st_dev, status.st_ino}).second) return;

        const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
        errno = 0;
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            switch (Kind(fd, *entry)) {
                case EntryKind::Folder: folders.push_back(prefix + name); break;
                case EntryKind::File:
                    if (filter_.Accepts(name)) {
                        out_.files.Add(prefix + name);
                        out_.foundByWalk.push_back(true);
                    }
                    break;
                case EntryKind::Other: break;
            }
            errno = 0;
        }
        if (errno != 0) Report(folder, errno);
    }

    enum class EntryKind { File, Folder, Other };

    static EntryKind Kind(int folder, const dirent& entry) {
        unsigned char type = entry.d_type;
        struct stat status {};
        if (type == DT_UNKNOWN) {
            if (::fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Other;
            type = S_ISREG(status.st_mode)   ? DT_REG
                   : S_ISDIR(status.st_mode) ? DT_DIR
                   : S_ISLNK(status.st_mode) ? DT_LNK
                                             : DT_UNKNOWN;
        }
        if (type == DT_REG) return EntryKind::File;
        if (type == DT_DIR) return EntryKind::Folder;
        // A link counts as a file when it leads to one; links to folders are not followed.
        if (type == DT_LNK && ::fstatat(folder, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode))
            return EntryKind::File;
        return EntryKind::Other;
    }

    const NameFilter& filter_;
    ExpandedFiles& out_;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

bool IsFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

bool NameFilter::Accepts(const std::string& name) const {
    if (!include.empty() && !MatchesAny(include, name)) return false;
    return !MatchesAny(exclude, name);
}

ExpandedFiles ExpandArguments(const std::vector<std::string>& arguments, const NameFilter& filter) {
    ExpandedFiles out;
    FolderWalk walk(filter, out);
    for (const std::string& argument : arguments) {
        if (IsFolder(argument))
            walk.Walk(argument);
        else {
            out.files.Add(argument);
            out.foundByWalk.push_back(false);
        }
    }
    return out;
}
