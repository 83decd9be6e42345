// A title's details from IFO tables built in memory, hostile ones among them, as the system names
// them; and the texts the IFO and the volume descriptors store.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "backends/dvdread/ifo_text.h"
#include "backends/dvdread/title_details.h"
#include "backends/dvdread/volume_details.h"
#include "dvd/read_dvd_details.h"

namespace {

using namespace lumora::dvdread;

struct Tables {
    title_info_t info{};
    vtsi_mat_t set{};
    pgc_t chain{};
    std::vector<uint8_t> programs;
    std::vector<cell_playback_t> cells;

    // One-second cells and a program each, 25 frames a second.
    explicit Tables(size_t count = 2) : cells(count) {
        info.nr_of_angles = 1;
        for (size_t i = 0; i < count; ++i) {
            programs.push_back(static_cast<uint8_t>(i + 1));
            cells[i].playback_time = {0, 0, 1, 0x40};
        }
    }
    // Empty lists leave the chain's counts as a case sets them, with no table behind them.
    TKxDVDTitleDetails Named() {
        if (!programs.empty()) chain.nr_of_programs = static_cast<uint8_t>(programs.size());
        chain.program_map = programs.empty() ? nullptr : programs.data();
        if (!cells.empty()) chain.nr_of_cells = static_cast<uint8_t>(cells.size());
        chain.cell_playback = cells.empty() ? nullptr : cells.data();
        return ToDVDTitleDetails(ReadTitleDetails(info, set, chain));
    }
};

std::string Seconds(const std::optional<double>& value) {
    char text[32] = "?";
    if (value) std::snprintf(text, sizeof text, "%g", *value);
    return text;
}

// The named facts the cases tell apart, on one line; one angle, no streams and the palette of
// zeros (#008700 in BT.601) left out.
std::string Summary(const TKxDVDTitleDetails& title) {
    std::string text = title.Angles == 1 ? "" : "angles " + std::to_string(title.Angles) + "; ";
    text += "chapters";
    for (const TKxDVDChapter& chapter : title.Chapters)
        text += " " + Seconds(chapter.Start) + "+" + Seconds(chapter.Length);
    text += "; cells";
    for (const TKxDVDCell& cell : title.Cells)
        text += " " + Seconds(cell.Start) + "+" + Seconds(cell.Length);
    for (const TKxDVDAudioDetails& audio : title.Audio)
        text += "; " + (audio.StreamId ? std::to_string(*audio.StreamId) : "-") + " " + audio.Content;
    for (const TKxDVDSubtitleDetails& subtitle : title.Subtitles) {
        text += "; " + subtitle.Kind;
        for (const uint32_t id : subtitle.StreamIds)
            text += subtitle.Available ? " " + std::to_string(id) : " -";
    }
    return title.Palette[0] == "#008700" ? text : text + "; " + title.Palette[0];
}

// "0+1 1+1 …": count one-second pieces one after the other.
std::string Ones(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? " " : "") + std::to_string(i) + "+1";
    return text;
}

TEST(TitleDetails, FromTablesSoundAndHostile) {
    const struct {
        const char* what;
        std::function<void(Tables&)> change;
        std::string expected;
        size_t count = 2;
    } cases[] = {
        {"program map past the cell table",
         [](Tables& t) {
             t.programs = {1, 2, 9};
         },
         "chapters 0+1 ?+? ?+?; cells 0+1 1+1"},
        {"program map and cells counted but absent",
         [](Tables& t) {
             t.programs.clear();
             t.cells.clear();
             t.chain.nr_of_programs = 3;
             t.chain.nr_of_cells = 5;
         },
         "chapters; cells"},
        {"zero and BCD-invalid times",
         [](Tables& t) {
             t.cells[0].playback_time = {0, 0, 0, 0};
             t.cells[1].playback_time = {0x0A, 0x61, 0, 0x40};
         },
         "chapters 0+0 0+?; cells 0+0 0+?"},
        {"99 chapters of one cell each", [](Tables&) {}, "chapters " + Ones(99) + "; cells " + Ones(99), 99},
        {"9 angles in one block after a cell",
         [](Tables& t) {
             t.info.nr_of_angles = 9;
             t.programs = {1, 2};
             for (size_t i = 1; i < t.cells.size(); ++i) {
                 t.cells[i].block_type = 1;
                 t.cells[i].block_mode = i == 1 ? 1 : i == 9 ? 3 : 2;
             }
         },
         "angles 9; chapters 0+1 1+1; cells 0+1 1+1 1+1 1+1 1+1 1+1 1+1 1+1 1+1 1+1", 10},
        {"streams the control words mark absent, kinds from the code extension",
         [](Tables& t) {
             t.set.nr_of_vts_audio_streams = 200;
             t.set.vts_audio_attr[0].lang_extension = 2;
             t.set.vts_audio_attr[1].code_extension = 3;
             t.set.vts_audio_attr[2].audio_format = 4;
             t.chain.audio_control[2] = 0x8300;
             t.set.nr_of_vts_subp_streams = 2;
             t.set.vts_subp_attr[1].code_extension = 9;
             t.chain.subp_control[1] = 0x00010203;
         },
         "chapters 0+1 1+1; cells 0+1 1+1; - not specified; - director's comments; 163 not specified; - not "
         "specified; - not specified; - not specified; - not specified; - not specified; not specified - - - "
         "-; forced - - - -"},
        {"stream ids per display mode and a garbage palette",
         [](Tables& t) {
             t.set.nr_of_vts_subp_streams = 1;
             t.set.vts_subp_attr[0].code_extension = 200;
             t.chain.subp_control[0] = 0xFFFFFFFF;
             t.chain.palette[0] = 0xFFFFFFFF;
         },
         "chapters 0+1 1+1; cells 0+1 1+1; reserved (200) 63 63 63 63; #FF7DFF"},
    };
    for (const auto& c : cases) {
        Tables tables(c.count);
        c.change(tables);
        EXPECT_EQ(Summary(tables.Named()), c.expected) << c.what;
    }
}

TEST(IfoTexts, StoredBytesBecomeUtf8AndLabelsTheirSource) {
    EXPECT_EQ(Latin1Text(std::string_view("MY\001DVD\377   \0junk", 14)), "MY\001DVD\303\277");
    const char identifier[12] = {'D', 'V', 'D', 'V', 'I', 'D', 'E', 'O', '-', 'V', 'M', 'G'};
    EXPECT_EQ(IfoText(identifier), "DVDVIDEO-VMG") << "a full field has no NUL";
    const VolumeLabel root = ReadVolumeLabel(nullptr, {VolumeKind::Folder, "/VIDEO_TS/"}, false);
    EXPECT_TRUE(root.text.empty() && root.source == DvdLabelSource::None) << "no folder holds it";
}

}  // namespace
