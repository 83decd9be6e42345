#include "backends/dvdread/volume_reading.h"

#include <algorithm>
#include <type_traits>

#include "backends/dvdread/dvd_volume.h"
#include "backends/dvdread/ifo_attributes.h"
#include "backends/dvdread/known_faults.h"
#include "backends/dvdread/private_folder.h"
#include "backends/dvdread/title_details.h"
#include "backends/dvdread/volume_details.h"
#include "backends/dvdread/volume_source.h"

namespace lumora::dvdread {

namespace {

constexpr ULONG kMaxAudioStreams = std::extent_v<decltype(TitleAttributes::audio)>;
constexpr ULONG kMaxSubpictureStreams = std::extent_v<decltype(TitleAttributes::subpictures)>;
// The whole reading, both attempts; the window waits for it. It is what a slow optical drive needs
// for the IFO files alone: a VIDEO_TS.IFO and one IFO per title set, a few hundred kilobytes,
// which a spinning drive reads in about a second even at 1x (1.385 MB/s) with a seek of some
// 100 ms per file on a disc of a dozen title sets; 3 s leaves room for a busy drive. A disc that
// still has to spin up (several seconds) or a drive that does not answer is given up on and the
// volume reported unreadable, rather than hold the window. Files that block never get this far:
// libdvdread opens nothing that was not checked first.
constexpr std::chrono::milliseconds kDeadline{3000};

DVD_MenuAttributes MenuAttributes(uint32_t category, const video_attr_t& video, unsigned audioStreams,
                                  const audio_attr_t& audio, unsigned subpictureStreams,
                                  const subp_attr_t& subpicture) {
    DVD_MenuAttributes menu{};
    ToRegionFlags(category, menu.fCompatibleRegion);
    menu.VideoAttributes = ToVideoAttributes(video);
    menu.fAudioPresent = audioStreams > 0;
    if (menu.fAudioPresent) menu.AudioAttributes = ToAudioAttributes(audio);
    menu.fSubpicturePresent = subpictureStreams > 0;
    if (menu.fSubpicturePresent) menu.SubpictureAttributes = ToSubpictureAttributes(subpicture);
    return menu;
}

ULONG ParentalLevels(const ifo_handle_t& manager, const title_info_t& info) {
    const ptl_mait_t* table = manager.ptl_mait;
    const unsigned set = info.title_set_nr;
    if (!table || table->nr_of_countries == 0 || !table->countries || !table->countries[0].pf_ptl_mai ||
        set > table->nr_of_vtss)
        return 0;
    ULONG levels = 0;
    const pf_level_t& masks = table->countries[0].pf_ptl_mai[set];
    for (unsigned level = 1; level <= PTL_MAIT_NUM_LEVEL; ++level)
        if (masks[level - 1] & info.parental_id) levels |= ULONG{0x100} << (level - 1);
    return levels;
}

TitleFacts ReadTitle(DvdVolume& volume, uint32_t number, DvdTitleDetails& details) {
    TitleFacts title{};
    const TitleData* data = volume.Title(number);
    if (!data) return title;
    details = ReadTitleDetails(*data->info, *data->titleSet->vtsi_mat, *data->entryChain);
    const ifo_handle_t& manager = volume.VideoManager();
    const vtsi_mat_t& set = *data->titleSet->vtsi_mat;
    title.sound = 1;
    title.chapters = data->info->nr_of_ptts;
    title.parentalLevels = ParentalLevels(manager, *data->info);
    title.menu =
        MenuAttributes(manager.vmgi_mat->vmg_category, set.vtsm_video_attr, set.nr_of_vtsm_audio_streams,
                       set.vtsm_audio_attr, set.nr_of_vtsm_subp_streams, set.vtsm_subp_attr);
    const uint32_t application = set.vts_category & 0x0F;
    TitleAttributes& attributes = title.attributes;
    attributes.appMode = application == 0   ? DVD_AppMode_Not_Specified
                         : application == 1 ? DVD_AppMode_Karaoke
                                            : DVD_AppMode_Other;
    attributes.video = ToVideoAttributes(set.vts_video_attr);
    attributes.audioStreams = std::min<ULONG>(set.nr_of_vts_audio_streams, kMaxAudioStreams);
    for (ULONG i = 0; i < attributes.audioStreams; ++i)
        attributes.audio[i] = ToAudioAttributes(set.vts_audio_attr[i]);
    attributes.subpictureStreams = std::min<ULONG>(set.nr_of_vts_subp_streams, kMaxSubpictureStreams);
    for (ULONG i = 0; i < attributes.subpictureStreams; ++i)
        attributes.subpictures[i] = ToSubpictureAttributes(set.vts_subp_attr[i]);
    const TitleTime time = ToTitleTime(data->entryChain->playback_time);
    title.totalTime = time.time;
    title.timeCodeFlags = time.flags;
    title.userOperations = ToUserOperations(data->entryChain->prohibited_ops);
    return title;
}

}  // namespace

DVD_TitleAttributes TitleAttributes::Whole() const {
    DVD_TitleAttributes whole{};
    whole.AppMode = appMode;
    whole.VideoAttributes = video;
    whole.ulNumberOfAudioStreams = audioStreams;
    std::copy(std::begin(audio), std::end(audio), whole.AudioAttributes);
    whole.ulNumberOfSubpictureStreams = subpictureStreams;
    std::copy(std::begin(subpictures), std::end(subpictures), whole.SubpictureAttributes);
    return whole;
}

std::optional<VolumeSnapshot> ReadVolumeSnapshot(const VolumeLocation& location, ReadingScope scope,
                                                 const std::filesystem::path& privateFolder, BackupUse use) {
    const std::unique_ptr<VolumeSource> source = VolumeSource::Open(location, privateFolder, use);
    if (!source) return std::nullopt;
    VolumeSnapshot snapshot{};
    snapshot.location = location.path;
    snapshot.facts.discId = source->DiscId();
    if (scope == ReadingScope::DiscIdOnly) return snapshot;
    const std::unique_ptr<DvdVolume> volume = DvdVolume::Open(
        source->ReaderPath(), [&](int titleSet) { return source->FallBackToBackup(titleSet); });
    if (!volume) return std::nullopt;
    const ifo_handle_t& manager = volume->VideoManager();
    const vmgi_mat_t& mat = *manager.vmgi_mat;
    VolumeFacts& facts = snapshot.facts;
    facts.numberOfVolumes = mat.vmg_nr_of_volumes;
    facts.volume = mat.vmg_this_volume_nr;
    facts.side = mat.disc_side == 2 ? DVD_SIDE_B : DVD_SIDE_A;
    facts.titleCount = volume->TitleCount();
    facts.videoManagerMenu =
        MenuAttributes(mat.vmg_category, mat.vmgm_video_attr, mat.nr_of_vmgm_audio_streams,
                       mat.vmgm_audio_attr, mat.nr_of_vmgm_subp_streams, mat.vmgm_subp_attr);
    facts.menuAudioStreams = std::min<ULONG>(mat.nr_of_vmgm_audio_streams, kMaxAudioStreams);
    facts.menuSubpictureStreams = std::min<ULONG>(mat.nr_of_vmgm_subp_streams, kMaxSubpictureStreams);
    facts.firstPlayUserOperations =
        manager.first_play_pgc ? ToUserOperations(manager.first_play_pgc->prohibited_ops) : 0;
    snapshot.volumeDetails =
        VolumeDetailsOf(mat, ReadVolumeLabel(volume->Reader(), location, source->HasIsoPrimaryVolume()));
    snapshot.titles.reserve(facts.titleCount);
    snapshot.titleDetails.resize(facts.titleCount);
    for (uint32_t t = 1; t <= facts.titleCount; ++t)
        snapshot.titles.push_back(ReadTitle(*volume, t, snapshot.titleDetails[t - 1]));
    return snapshot;
}

std::optional<VolumeSnapshot> ReadVolumeSnapshotIsolated(const VolumeLocation& location, ReadingScope scope) {
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    for (const BackupUse use : {BackupUse::WhenMainIsBroken, BackupUse::WhenIntact}) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        // Made here and removed here, whatever becomes of the child.
        const std::optional<PrivateFolder> folder =
            location.kind == VolumeKind::Folder ? std::make_optional<PrivateFolder>() : std::nullopt;
        if (folder && folder->Path().empty()) break;
        const std::filesystem::path served = folder ? folder->Path() : std::filesystem::path();
        const auto bytes = RunIsolated(
            [&]() -> std::optional<std::vector<uint8_t>> {
                const std::optional<VolumeSnapshot> snapshot =
                    ReadVolumeSnapshot(location, scope, served, use);
                if (!snapshot) return std::nullopt;
                return SerializeSnapshot(*snapshot);
            },
            left, kKnownLibdvdreadFaults);
        if (bytes) return DeserializeSnapshot(*bytes, location.path);
        // An image's or a drive's files are found by libdvdread itself: there is nothing else to offer.
        if (location.kind != VolumeKind::Folder) break;
    }
    return std::nullopt;
}

}  // namespace lumora::dvdread
