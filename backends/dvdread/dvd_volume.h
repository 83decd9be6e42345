// An open DVD-Video volume: libdvdread's reader, the video manager's IFO and, opened on first
// use, the IFOs of its title sets. Only IFO (or BUP) files are read.
#pragma once

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_types.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumora::dvdread {

struct ReaderCloser {
    void operator()(dvd_reader_t* reader) const;
};
struct IfoCloser {
    void operator()(ifo_handle_t* ifo) const;
};
using ReaderHandle = std::unique_ptr<dvd_reader_t, ReaderCloser>;
using IfoHandle = std::unique_ptr<ifo_handle_t, IfoCloser>;

// Opens a folder, an image or a drive with libdvdread's messages silenced; null when it cannot.
ReaderHandle OpenReader(const std::string& path);

// Asked when libdvdread refuses a title set's IFO (0: the video manager's): whether another copy
// (its BUP) is now offered in its place, worth reading.
using BackupFallback = std::function<bool(int titleSet)>;

// One title's data, each index and table checked before use.
struct TitleData {
    const title_info_t* info;      // its entry in the video manager's title table
    const ifo_handle_t* titleSet;  // its title set's IFO, with vtsi_mat present
    const pgc_t* entryChain;       // the program chain its first chapter starts in
};

class DvdVolume {
public:
    // Null when the path (see OpenReader) holds no readable video manager IFO with a title table.
    static std::unique_ptr<DvdVolume> Open(const std::string& path, BackupFallback fallBack);

    dvd_reader_t* Reader() const { return reader_.get(); }
    // vmgi_mat and tt_srpt are present.
    const ifo_handle_t& VideoManager() const { return *videoManager_; }
    uint32_t TitleCount() const;
    // The title's table entry; null outside 1 .. TitleCount.
    const title_info_t* TitleInfo(uint32_t title) const;
    // Null for a title outside 1 .. TitleCount or whose data is broken.
    const TitleData* Title(uint32_t title);

private:
    DvdVolume(ReaderHandle reader, IfoHandle videoManager, BackupFallback fallBack);
    const ifo_handle_t* TitleSet(unsigned number);

    enum class Resolution : uint8_t { Unknown, Sound, Broken };

    ReaderHandle reader_;
    IfoHandle videoManager_;
    BackupFallback fallBack_;
    std::array<IfoHandle, 100> titleSets_;
    std::array<bool, 100> titleSetTried_{};
    std::vector<Resolution> resolutions_;
    std::vector<TitleData> titles_;
};

}  // namespace lumora::dvdread
