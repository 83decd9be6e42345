#include "backends/dvdread/dvd_volume.h"

#include <dvdread/ifo_read.h>

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

ReaderHandle OpenReader(const std::string& path) {
    return ReaderHandle(DVDOpen2(nullptr, &kSilentLogger, path.c_str()));
}

DvdVolume::DvdVolume(ReaderHandle reader, IfoHandle videoManager, BackupFallback fallBack)
    : reader_(std::move(reader)), videoManager_(std::move(videoManager)), fallBack_(std::move(fallBack)) {
    resolutions_.assign(TitleCount(), Resolution::Unknown);
    titles_.resize(TitleCount());
}

std::unique_ptr<DvdVolume> DvdVolume::Open(const std::string& path, BackupFallback fallBack) {
    ReaderHandle reader = OpenReader(path);
    if (!reader) return nullptr;
    const auto usable = [](const ifo_handle_t* manager) {
        return manager && manager->vmgi_mat && manager->tt_srpt &&
               (manager->tt_srpt->nr_of_srpts == 0 || manager->tt_srpt->title);
    };
    // libdvdread turns to the BUP itself only when the IFO cannot be opened or a mandatory table
    // fails to read; other refusals get it here.
    IfoHandle videoManager(ifoOpen(reader.get(), 0));
    if (!usable(videoManager.get()) && fallBack && fallBack(0)) videoManager.reset(ifoOpen(reader.get(), 0));
    if (!usable(videoManager.get())) return nullptr;
    return std::unique_ptr<DvdVolume>(
        new DvdVolume(std::move(reader), std::move(videoManager), std::move(fallBack)));
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
        const auto usable = [](const ifo_handle_t* set) {
            return set && set->vtsi_mat && set->vts_ptt_srpt && set->vts_pgcit;
        };
        const int n = static_cast<int>(number);
        titleSets_[number].reset(ifoOpen(reader_.get(), n));
        if (!usable(titleSets_[number].get()) && fallBack_ && fallBack_(n))
            titleSets_[number].reset(ifoOpen(reader_.get(), n));
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
