// The IFO and BUP files of a VIDEO_TS folder as libdvdread may see them.
//
// libdvdread reads a folder volume by path: it lists the folder, picks each IFO or BUP name in any
// case and open()s it blocking, so a FIFO, a device or a socket under such a name would hold it
// (and a VOB name is never asked for). So it is never given the user's folder. Each IFO/BUP there is
// opened here with O_NONBLOCK and kept only when fstat says it is a regular file; libdvdread gets a
// private folder of symbolic links, under the canonical names, to those open descriptors
// (/proc/self/fd/N, so Linux's /proc must be mounted). Opening a link reopens the very file that
// was checked, so a file swapped after the check changes nothing, and nothing is copied. Whatever
// is not served counts as missing.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/unique_fd.h"

namespace lumora::dvdread {

enum class BackupUse : uint8_t {
    WhenMainIsBroken,  // the BUP alone where the IFO is broken and the BUP intact
    WhenIntact,        // the BUP alone wherever it is intact (after a reading of the IFOs failed)
};

// Whether an IFO or BUP file names its kind in its header ("DVDVIDEO-VMG" for title set 0,
// "DVDVIDEO-VTS" for the others) and is as long as its header says its information part is.
bool IsIntactInfoFile(int fd, int titleSet);

class ServedFolder {
public:
    // Makes the links in privateFolder, an empty folder of this process's own; null when a link
    // cannot be made. A title set whose IFO is broken (not intact) and whose BUP is intact gets the
    // BUP alone, so that libdvdread reads the backup as it does for a missing IFO: given an IFO
    // cut short inside its tables, libdvdread 6.1.3 crashes in ifoOpen (a double free after it
    // fails to read the title table) instead of turning to the BUP.
    static std::unique_ptr<ServedFolder> Serve(const std::filesystem::path& videoTs,
                                               const std::filesystem::path& privateFolder, BackupUse use);

    // The folder to hand to libdvdread.
    const std::filesystem::path& Folder() const { return folder_; }
    // The title set's IFO file (0: VIDEO_TS.IFO) when it is a regular file, served or not; else -1.
    int MainFile(int titleSet) const;
    // Withdraws the title set's IFO so that libdvdread reads its BUP; false when that BUP is not
    // served or the IFO is not served any more.
    bool FallBackToBackup(int titleSet);

private:
    static constexpr int kTitleSets = 100;  // 0: the video manager
    enum Copy { kMain, kBackup };

    struct InfoFile {
        UniqueFd fd;
        bool served = false;
    };

    explicit ServedFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
    bool Link(int titleSet, Copy copy);
    void Unlink(int titleSet, Copy copy);

    std::filesystem::path folder_;
    std::array<std::array<InfoFile, 2>, kTitleSets> files_;
};

}  // namespace lumora::dvdread
