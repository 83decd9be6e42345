// The settings dialogs of real encoders and filters, caught by a recording dialog host and
// compared with what `ffmpeg -h` shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "component/lumoram.h"
#include "platform/com.h"
#include "tests/integration/catalogue/ffmpeg_tool.h"
#include "tests/support/fake_catalogue.h"

namespace {

using fakes::RecordingHost;

class OptionsPages : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        lumora_.FillDeviceLists();
    }
    void TearDown() override { CoUninitialize(); }

    // The display name of the entry whose name part is `name`, or "".
    static std::string DisplayName(const TStrings& list, const std::string& name) {
        for (const std::string& entry : list)
            if (entry == name || entry.rfind(name + " \u2014 ", 0) == 0) return entry;
        return "";
    }

    const OptionDescription* Find(const OptionPage& page, const std::string& name) {
        for (const OptionDescription& option : page.options)
            if (option.name == name) return &option;
        return nullptr;
    }

    static std::vector<std::pair<std::string, std::string>> Names(const OptionPage& page) {
        std::vector<std::pair<std::string, std::string>> names;
        for (const OptionDescription& option : page.options)
            names.emplace_back(option.group, option.name);
        return names;
    }

    TKxLumora lumora_;
    RecordingHost host_;
    ScopedDialogHost installed_{&host_};
};

TEST_F(OptionsPages, EncoderPagesListTheOptionsFfmpegShows) {
    if (!ffmpeg_tool::Available()) GTEST_SKIP() << "the ffmpeg tool is not installed";
    for (const char* encoder : {"mpeg4", "libx264", "ffv1"}) {
        SCOPED_TRACE(encoder);
        const std::string name = DisplayName(lumora_.List_VideoCodecs(), encoder);
        if (name.empty()) continue;  // libx264 is optional in FFmpeg builds
        ASSERT_TRUE(lumora_.HasVideoCodecSettings(name, sdkPropertyPages));
        host_.frames.clear();
        lumora_.ShowVideoCodecSettings(name, sdkPropertyPages);
        ASSERT_EQ(host_.frames.size(), 1u);
        EXPECT_EQ(host_.frames[0].caption, encoder) << "the frame carries the encoder's own short name";
        ASSERT_EQ(host_.frames[0].pages.size(), 1u);
        EXPECT_EQ(Names(host_.frames[0].pages[0]),
                  ffmpeg_tool::HelpOptions(std::string("encoder=") + encoder));
    }
    const std::string aac = DisplayName(lumora_.List_AudioCodecs(), "aac");
    ASSERT_FALSE(aac.empty());
    host_.frames.clear();
    lumora_.ShowAudioCodecSettings(aac, sdkPropertyPages);
    ASSERT_EQ(host_.frames.size(), 1u);
    EXPECT_EQ(Names(host_.frames[0].pages.at(0)), ffmpeg_tool::HelpOptions("encoder=aac"));
}

TEST_F(OptionsPages, FilterPagesListTheirOwnAndTheirChildClassesOptions) {
    if (!ffmpeg_tool::Available()) GTEST_SKIP() << "the ffmpeg tool is not installed";
    for (const char* filter : {"scale", "volume", "eq", "aresample", "drawbox"}) {
        SCOPED_TRACE(filter);
        const std::string name = DisplayName(lumora_.List_DirectShowFilters(), filter);
        ASSERT_FALSE(name.empty());
        host_.frames.clear();
        lumora_.ShowDSFilterSettings(name, sdkPropertyPages);
        ASSERT_EQ(host_.frames.size(), 1u);
        EXPECT_EQ(host_.frames[0].caption, filter);
        EXPECT_EQ(Names(host_.frames[0].pages.at(0)),
                  ffmpeg_tool::HelpOptions(std::string("filter=") + filter));
        EXPECT_EQ(host_.frames[0].pages.at(0).filter, filter) << "arguments as a filter description";
    }
}

// A fresh object holds its defaults, and the page shows both in one form: names of named values,
// flags by name, numbers as the default writes them ("-1", not "-1.000000").
TEST_F(OptionsPages, CurrentValuesOfAFreshObjectReadAsTheirDefaults) {
    using Show = void (TKxLumora::*)(const std::string&, TSettingsDialogKind) const;
    const struct {
        const TStrings& list;
        Show show;
        const char* name;
    } objects[] = {
        {lumora_.List_VideoCodecs(), &TKxLumora::ShowVideoCodecSettings, "mpeg4"},
        {lumora_.List_VideoCodecs(), &TKxLumora::ShowVideoCodecSettings, "libx264"},
        {lumora_.List_AudioCodecs(), &TKxLumora::ShowAudioCodecSettings, "aac"},
        {lumora_.List_DirectShowFilters(), &TKxLumora::ShowDSFilterSettings, "eq"},
        {lumora_.List_DirectShowFilters(), &TKxLumora::ShowDSFilterSettings, "scale"},
        {lumora_.List_DirectShowFilters(), &TKxLumora::ShowDSFilterSettings, "drawbox"},
    };
    for (const auto& object : objects) {
        const std::string name = DisplayName(object.list, object.name);
        if (name.empty()) continue;
        host_.frames.clear();
        (lumora_.*object.show)(name, sdkPropertyPages);
        ASSERT_EQ(host_.frames.size(), 1u) << object.name;
        for (const OptionDescription& option : host_.frames[0].pages.at(0).options) {
            if (option.editable) {
                EXPECT_EQ(option.currentValue, option.defaultValue) << object.name << " " << option.name;
            }
        }
    }
}

TEST_F(OptionsPages, OptionsShowTypeDefaultRangeAndChoicesAndCanBeChanged) {
    lumora_.ShowVideoCodecSettings(DisplayName(lumora_.List_VideoCodecs(), "mpeg4"), sdkPropertyPages);
    ASSERT_EQ(host_.frames.size(), 1u);
    OptionPage& page = host_.frames[0].pages.at(0);
    const OptionDescription* quant = Find(page, "mpeg_quant");
    ASSERT_NE(quant, nullptr);
    EXPECT_EQ(quant->group, "MPEG4 encoder");
    EXPECT_EQ(quant->type, "int");
    EXPECT_EQ(quant->defaultValue, "0");
    EXPECT_EQ(quant->currentValue, "0");
    EXPECT_EQ(quant->minimum, "0");
    EXPECT_EQ(quant->maximum, "1");
    EXPECT_TRUE(quant->editable);
    const OptionDescription* sensitivity = Find(page, "b_sensitivity");
    ASSERT_NE(sensitivity, nullptr);
    EXPECT_EQ(sensitivity->maximum, "INT_MAX");
    const OptionDescription* compare = Find(page, "skip_cmp");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->defaultValue, "dctmax") << "a default with a name shows the name";
    EXPECT_EQ(compare->currentValue, "dctmax") << "so does the current value";
    EXPECT_EQ(compare->minimum, "") << "its names, not its numbers, are what it takes";
    ASSERT_FALSE(compare->choices.empty());
    EXPECT_EQ(compare->choices[0].name, "sad");
    EXPECT_EQ(compare->choices[0].value, "0");
    const OptionDescription* flags = Find(page, "mpv_flags");
    ASSERT_NE(flags, nullptr);
    EXPECT_EQ(flags->type, "flags");
    EXPECT_EQ(Find(page, "sad"), nullptr) << "named values are choices, not options";

    ASSERT_TRUE(page.setOption);
    OptionSetResult result = page.setOption("mpeg_quant", "1");
    EXPECT_EQ(result.hr, S_OK);
    EXPECT_EQ(result.currentValue, "1");
    result = page.setOption("mpeg_quant", "7");
    EXPECT_TRUE(FAILED(result.hr)) << "out of range";
    EXPECT_EQ(result.currentValue, "1") << "a refused value leaves the option as it was";
    EXPECT_FALSE(result.message.empty());
    result = page.setOption("no_such_option", "1");
    EXPECT_EQ(result.hr, E_INVALIDARG);
    result = page.setOption("skip_cmp", "sse");
    EXPECT_EQ(result.hr, S_OK);
    EXPECT_EQ(result.currentValue, "sse");
    result = page.setOption("skip_cmp", "2");
    EXPECT_EQ(result.currentValue, "satd") << "a value given as a number shows its name";
}

TEST_F(OptionsPages, VideoEncodersWithAFourCCOfferTheCompressorDialogs) {
    const std::string mpeg4 = DisplayName(lumora_.List_VideoCodecs(), "mpeg4");
    EXPECT_TRUE(lumora_.HasVideoCodecSettings(mpeg4, sdkCompressorConfig));
    EXPECT_TRUE(lumora_.HasVideoCodecSettings(mpeg4, sdkCompressorAbout));
    lumora_.ShowVideoCodecSettings(mpeg4, sdkCompressorConfig);
    ASSERT_EQ(host_.configs.size(), 1u);
    OptionPage& config = host_.configs[0];
    for (const char* name : {"b", "g", "bf", "global_quality", "qmin", "qmax", "threads"})
        EXPECT_NE(Find(config, name), nullptr) << name;
    EXPECT_EQ(Find(config, "mpeg_quant"), nullptr) << "private options belong to the options page";
    EXPECT_EQ(Find(config, "g")->currentValue, "12") << "the context's default key-frame interval";
    EXPECT_EQ(config.setOption("g", "250").currentValue, "250");

    lumora_.ShowVideoCodecSettings(mpeg4, sdkCompressorAbout);
    ASSERT_EQ(host_.abouts.size(), 1u);
    EXPECT_EQ(host_.abouts[0].name, "mpeg4");
    EXPECT_EQ(host_.abouts[0].longName, "MPEG-4 part 2");
    EXPECT_EQ(host_.abouts[0].fourCC, "FMP4");
    EXPECT_NE(std::find(host_.abouts[0].pixelFormats.begin(), host_.abouts[0].pixelFormats.end(), "yuv420p"),
              host_.abouts[0].pixelFormats.end());

    const std::string a64 = DisplayName(lumora_.List_VideoCodecs(), "a64multi");
    EXPECT_FALSE(lumora_.HasVideoCodecSettings(a64, sdkCompressorConfig))
        << "no FourCC, no compressor dialogs";
    const std::string aac = DisplayName(lumora_.List_AudioCodecs(), "aac");
    EXPECT_FALSE(lumora_.HasAudioCodecSettings(aac, sdkCompressorConfig));
    EXPECT_FALSE(lumora_.HasAudioCodecSettings(aac, sdkCaptureSource));
}

TEST_F(OptionsPages, ThingsWithoutOptionsOfferNoPages) {
    EXPECT_FALSE(lumora_.HasDSFilterSettings(DisplayName(lumora_.List_DirectShowFilters(), "anull"),
                                             sdkPropertyPages));
    EXPECT_FALSE(
        lumora_.HasVideoCodecSettings(DisplayName(lumora_.List_VideoCodecs(), "a64multi"), sdkPropertyPages));
    EXPECT_FALSE(lumora_.HasVideoCodecSettings("no such codec", sdkPropertyPages));
    lumora_.ShowDSFilterSettings("no such filter", sdkPropertyPages);
    EXPECT_TRUE(host_.frames.empty());
}

TEST_F(OptionsPages, WithoutAHostNothingIsShownAndNothingFails) {
    const ScopedDialogHost none(nullptr);
    const std::string mpeg4 = DisplayName(lumora_.List_VideoCodecs(), "mpeg4");
    lumora_.ShowVideoCodecSettings(mpeg4, sdkPropertyPages);
    lumora_.ShowVideoCodecSettings(mpeg4, sdkCompressorConfig);
    EXPECT_TRUE(host_.frames.empty());
    EXPECT_TRUE(host_.configs.empty());
}

}  // namespace
