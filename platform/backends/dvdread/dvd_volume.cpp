#include "platform/backends/dvdread/dvd_volume.h"

#include <dvdread/ifo_read.h>

#include <algorithm>
#include <cstdarg>

namespace lumora::dvdread {

namespace {

// libdvdread writes its notes (no CSS library, no device for a folder, IFO checks) to standard
// error unless a logger takes them; the navigator reports failures through its results instead.
void DiscardLogMessage(void*, dvd_logger_level_t, const char*, va_list) {}

const dvd_logger_cb kSilentLogger{&DiscardLogMessage};

}  // namespace

void ReaderCloser::operator()(dvd_reader_t* reader) const { DVDClose(reader); }
void IfoCloser::operator()(ifo_handle_t* ifo) const { ifoClose(ifo); }

ReaderHandle OpenReader(const std::filesystem::path& videoTs) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(videoTs, error);
    if (error) return nullptr;
    return ReaderHandle(DVDOpen2(nullptr, &kSilentLogger, absolute.c_str()));
}

std::vector<uint8_t> ReadInfoFileHead(dvd_reader_t* reader, int titleSet, uint64_t fileSize, size_t limit) {
    struct FileCloser {
        void operator()(dvd_file_t* file) const { DVDCloseFile(file); }
    };
    if (!reader) return {};
    std::unique_ptr<dvd_file_t, FileCloser> file(DVDOpenFile(reader, titleSet, DVD_READ_INFO_FILE));
    if (!file) return {};
    const ssize_t blocks = DVDFileSize(file.get());
    if (blocks <= 0) return {};
    const uint64_t readable = static_cast<uint64_t>(blocks) * DVD_VIDEO_LB_LEN;
    std::vector<uint8_t> head(static_cast<size_t>(std::min<uint64_t>({fileSize, readable, limit})));
    if (head.empty()) return head;
    const ssize_t got = DVDReadBytes(file.get(), head.data(), head.size());
    head.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return head;
}

DvdVolume::DvdVolume(ReaderHandle reader, IfoHandle videoManager)
    : reader_(std::move(reader)), videoManager_(std::move(videoManager)) {
    resolutions_.assign(TitleCount(), Resolution::Unknown);
    titles_.resize(TitleCount());
}

std::unique_ptr<DvdVolume> DvdVolume::Open(const std::filesystem::path& videoTs) {
    ReaderHandle reader = OpenReader(videoTs);
    if (!reader) return nullptr;
    // ifoOpen falls back to VIDEO_TS.BUP when the IFO is missing or unreadable.
    IfoHandle videoManager(ifoOpen(reader.get(), 0));
    if (!videoManager || !videoManager->vmgi_mat || !videoManager->tt_srpt) return nullptr;
    if (videoManager->tt_srpt->nr_of_srpts > 0 && !videoManager->tt_srpt->title) return nullptr;
    return std::unique_ptr<DvdVolume>(new DvdVolume(std::move(reader), std::move(videoManager)));
}

uint32_t DvdVolume::TitleCount() const { return videoManager_->tt_srpt->nr_of_srpts; }

const title_info_t* DvdVolume::TitleInfo(uint32_t title) const {
    if (title == 0 || title > TitleCount()) return nullptr;
    return &videoManager_->tt_srpt->title[title - 1];
}

const ifo_handle_t* DvdVolume::TitleSet(unsigned number) {
    if (number == 0 || number >= titleSets_.size()) return nullptr;
    if (number > videoManager_->vmgi_mat->vmg_nr_of_title_sets) return nullptr;
    if (!titleSetTried_[number]) {
        titleSetTried_[number] = true;
        // Also falls back to the .BUP copy.
        titleSets_[number].reset(ifoOpen(reader_.get(), static_cast<int>(number)));
    }
    return titleSets_[number].get();
}

const TitleData* DvdVolume::Title(uint32_t title) {
    const title_info_t* info = TitleInfo(title);
    if (!info) return nullptr;
    Resolution& resolution = resolutions_[title - 1];
    if (resolution == Resolution::Unknown) {
        resolution = Resolution::Broken;
        const ifo_handle_t* set = TitleSet(info->title_set_nr);
        if (!set || !set->vtsi_mat || !set->vts_ptt_srpt || !set->vts_ptt_srpt->title || !set->vts_pgcit ||
            !set->vts_pgcit->pgci_srp)
            return nullptr;
        if (info->vts_ttn == 0 || info->vts_ttn > set->vts_ptt_srpt->nr_of_srpts) return nullptr;
        const ttu_t& unit = set->vts_ptt_srpt->title[info->vts_ttn - 1];
        if (unit.nr_of_ptts == 0 || !unit.ptt) return nullptr;
        const uint16_t chain = unit.ptt[0].pgcn;
        if (chain == 0 || chain > set->vts_pgcit->nr_of_pgci_srp) return nullptr;
        const pgc_t* entryChain = set->vts_pgcit->pgci_srp[chain - 1].pgc;
        if (!entryChain) return nullptr;
        titles_[title - 1] = TitleData{info, set, entryChain};
        resolution = Resolution::Sound;
    }
    return resolution == Resolution::Sound ? &titles_[title - 1] : nullptr;
}

}  // namespace lumora::dvdread
