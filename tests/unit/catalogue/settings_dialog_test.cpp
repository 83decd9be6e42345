// HasSettingsDialog and ShowSettingsDialog over fake filters: every kind and every result path.
#include <gtest/gtest.h>

#include "catalogue/kx_ds_adds_for_info.h"
#include "tests/support/fake_catalogue.h"

namespace {

using fakes::FakeFilter;
using fakes::FilterLog;
using fakes::FilterScript;
using fakes::RecordingHost;

HWND const kOwner = reinterpret_cast<HWND>(0x1234);

struct PageClass {
    ScopedClassOverride override{fakes::CLSID_FakePage, [](const IID& iid, void** out) {
                                     return CreateComObject<fakes::FakePage>(iid, out);
                                 }};
};

TEST(HasSettingsDialog, PropertyPagesCountWheneverTheInterfaceIsOffered) {
    EXPECT_FALSE(HasSettingsDialog(nullptr, sdkPropertyPages));
    EXPECT_TRUE(HasSettingsDialog(FakeFilter::Make({.pagesQuery = S_OK}).Get(), sdkPropertyPages));
    EXPECT_TRUE(HasSettingsDialog(FakeFilter::Make({.pagesQuery = S_FALSE}).Get(), sdkPropertyPages))
        << "any success code";
    EXPECT_FALSE(HasSettingsDialog(FakeFilter::Make({.pagesQuery = E_NOINTERFACE}).Get(), sdkPropertyPages));

    FilterLog log;
    EXPECT_TRUE(HasSettingsDialog(FakeFilter::Make({.pagesQuery = S_OK, .pageCount = 0}, &log).Get(),
                                  sdkPropertyPages))
        << "a filter without pages still counts";
    EXPECT_EQ(log.getPagesCalls, 0) << "the page list is not fetched";
}

TEST(HasSettingsDialog, CaptureKindsAskTheDriverForTheirDialogNumber) {
    const struct {
        TSettingsDialogKind kind;
        int number;
    } kinds[] = {{sdkCaptureDisplay, 4}, {sdkCaptureFormat, 2}, {sdkCaptureSource, 1}};
    for (const auto& [kind, number] : kinds) {
        SCOPED_TRACE(number);
        FilterLog log;
        EXPECT_TRUE(HasSettingsDialog(
            FakeFilter::Make({.captureQuery = S_OK, .hasDialog = {{number, S_OK}}}, &log).Get(), kind));
        EXPECT_EQ(log.hasDialogCalls, std::vector<int>{number});
        EXPECT_TRUE(HasSettingsDialog(
            FakeFilter::Make({.captureQuery = S_OK, .hasDialog = {{number, S_FALSE}}}).Get(), kind))
            << "S_FALSE counts";
        EXPECT_FALSE(HasSettingsDialog(
            FakeFilter::Make({.captureQuery = S_OK, .hasDialog = {{number, E_FAIL}}}).Get(), kind));
        FilterLog refused;
        EXPECT_FALSE(HasSettingsDialog(
            FakeFilter::Make({.captureQuery = S_FALSE, .hasDialog = {{number, S_OK}}}, &refused).Get(), kind))
            << "the interface query must answer S_OK";
        EXPECT_TRUE(refused.hasDialogCalls.empty());
        EXPECT_FALSE(HasSettingsDialog(FakeFilter::Make({.compressQuery = S_OK}).Get(), kind));
    }
}

TEST(HasSettingsDialog, CompressorKindsQueryWithoutAWindow) {
    const struct {
        TSettingsDialogKind kind;
        int query;
    } kinds[] = {{sdkCompressorConfig, 4}, {sdkCompressorAbout, 8}};
    for (const auto& [kind, query] : kinds) {
        SCOPED_TRACE(query);
        FilterLog log;
        EXPECT_TRUE(HasSettingsDialog(FakeFilter::Make({.compressQuery = S_OK}, &log).Get(), kind));
        ASSERT_EQ(log.compressShowCalls.size(), 1u);
        EXPECT_EQ(log.compressShowCalls[0], std::make_pair(query, HWND{}));
        EXPECT_TRUE(HasSettingsDialog(
            FakeFilter::Make({.compressQuery = S_OK, .showDialog = {{query, S_FALSE}}}).Get(), kind))
            << "S_FALSE counts";
        EXPECT_FALSE(HasSettingsDialog(
            FakeFilter::Make({.compressQuery = S_OK, .showDialog = {{query, E_NOTIMPL}}}).Get(), kind));
        EXPECT_FALSE(HasSettingsDialog(FakeFilter::Make({.compressQuery = S_FALSE}).Get(), kind));
        EXPECT_FALSE(HasSettingsDialog(FakeFilter::Make({.captureQuery = S_OK}).Get(), kind));
    }
}

TEST(SettingsDialog, UnknownKindsAndNullFiltersDoNothing) {
    FilterLog log;
    const auto filter = FakeFilter::Make(
        {.pagesQuery = S_OK, .captureQuery = S_OK, .compressQuery = S_OK, .hasDialog = {{1, S_OK}}}, &log);
    for (int kind : {6, 7, 200, 255}) {
        EXPECT_FALSE(HasSettingsDialog(filter.Get(), static_cast<TSettingsDialogKind>(kind)));
        EXPECT_EQ(ShowSettingsDialog(kOwner, filter.Get(), static_cast<TSettingsDialogKind>(kind)), S_FALSE);
    }
    for (int kind = 0; kind <= 5; ++kind)
        EXPECT_EQ(ShowSettingsDialog(kOwner, nullptr, static_cast<TSettingsDialogKind>(kind)), S_FALSE);
    EXPECT_TRUE(log.hasDialogCalls.empty());
    EXPECT_TRUE(log.compressShowCalls.empty());
    EXPECT_EQ(log.getPagesCalls, 0);
}

TEST(ShowSettingsDialog, PropertyFrameShowsThePagesUnderTheFiltersOwnName) {
    PageClass pages;
    RecordingHost host;
    host.frameResult = MakeHResult(0x80040001);
    const ScopedDialogHost installed(&host);
    FilterLog log;
    FilterScript script{
        .name = "libfake (its own name)", .pagesQuery = S_OK, .pageCount = 2, .handsOutGraph = true};
    auto* fake = new FakeFilter(script, &log);
    const auto filter = ComPtr<IBaseFilter>::Attach(fake);

    EXPECT_EQ(ShowSettingsDialog(kOwner, filter.Get(), sdkPropertyPages), MakeHResult(0x80040001))
        << "the frame's result is the result";
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames[0].caption, "libfake (its own name)");
    ASSERT_EQ(host.frames[0].pages.size(), 2u);
    EXPECT_EQ(host.frames[0].pages[0].title, "fake page for 1 object(s)");
    EXPECT_EQ(host.owners[0], kOwner);
    EXPECT_EQ(fake->Graph()->References(), 1u) << "the graph reference from QueryFilterInfo is released";
}

TEST(ShowSettingsDialog, PropertyFrameFailurePaths) {
    PageClass pages;
    RecordingHost host;
    const ScopedDialogHost installed(&host);

    EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({}).Get(), sdkPropertyPages), E_NOINTERFACE);
    EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({.pagesQuery = S_FALSE}).Get(), sdkPropertyPages),
              S_FALSE)
        << "anything but S_OK from the query is returned";
    EXPECT_EQ(
        ShowSettingsDialog(kOwner, FakeFilter::Make({.pagesQuery = S_OK, .getPages = E_OUTOFMEMORY}).Get(),
                           sdkPropertyPages),
        E_OUTOFMEMORY)
        << "the page array it allocated anyway is freed (the sanitizer build checks)";
    EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({.pagesQuery = S_OK, .getPages = S_FALSE}).Get(),
                                 sdkPropertyPages),
              S_FALSE);

    FilterLog log;
    auto* fake = new FakeFilter({.pagesQuery = S_OK, .filterInfo = E_FAIL, .handsOutGraph = true}, &log);
    const auto filter = ComPtr<IBaseFilter>::Attach(fake);
    EXPECT_EQ(ShowSettingsDialog(kOwner, filter.Get(), sdkPropertyPages), E_FAIL);
    EXPECT_EQ(fake->Graph()->References(), 1u) << "released even when QueryFilterInfo failed";
    EXPECT_TRUE(host.frames.empty()) << "no frame without the filter's information";

    EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({.pagesQuery = S_OK, .pageCount = 0}).Get(),
                                 sdkPropertyPages),
              S_OK);
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_TRUE(host.frames[0].pages.empty()) << "an empty page list still opens the frame";
}

TEST(ShowSettingsDialog, WithoutADialogHostNothingIsShown) {
    PageClass pages;
    const ScopedDialogHost none(nullptr);
    EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({.pagesQuery = S_OK}).Get(), sdkPropertyPages),
              E_NOTIMPL);
}

TEST(ShowSettingsDialog, CaptureDialogsAreShownOnlyWhenTheDriverAnswersExactlyS_OK) {
    const struct {
        TSettingsDialogKind kind;
        int number;
    } kinds[] = {{sdkCaptureDisplay, 4}, {sdkCaptureFormat, 2}, {sdkCaptureSource, 1}};
    for (const auto& [kind, number] : kinds) {
        SCOPED_TRACE(number);
        EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({}).Get(), kind), E_NOINTERFACE);
        EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({.captureQuery = S_FALSE}).Get(), kind),
                  S_FALSE);

        FilterLog notShown;
        EXPECT_EQ(
            ShowSettingsDialog(
                kOwner,
                FakeFilter::Make({.captureQuery = S_OK, .hasDialog = {{number, S_FALSE}}}, &notShown).Get(),
                kind),
            S_FALSE);
        EXPECT_TRUE(notShown.captureShowCalls.empty()) << "S_FALSE from HasDialog stops the show path";

        FilterLog shown;
        const auto filter = FakeFilter::Make(
            {.captureQuery = S_OK, .hasDialog = {{number, S_OK}}, .showDialog = {{number, E_ABORT}}}, &shown);
        EXPECT_EQ(ShowSettingsDialog(kOwner, filter.Get(), kind), E_ABORT);
        ASSERT_EQ(shown.captureShowCalls.size(), 1u);
        EXPECT_EQ(shown.captureShowCalls[0], std::make_pair(number, kOwner));
    }
}

TEST(ShowSettingsDialog, CompressorDialogsQueryWithoutAWindowThenShowWithTheOwner) {
    const struct {
        TSettingsDialogKind kind;
        int query;
        int shown;
    } kinds[] = {{sdkCompressorConfig, 4, 1}, {sdkCompressorAbout, 8, 2}};
    for (const auto& [kind, query, shownNumber] : kinds) {
        SCOPED_TRACE(query);
        EXPECT_EQ(ShowSettingsDialog(kOwner, FakeFilter::Make({}).Get(), kind), E_NOINTERFACE);

        FilterLog refused;
        EXPECT_EQ(
            ShowSettingsDialog(
                kOwner,
                FakeFilter::Make({.compressQuery = S_OK, .showDialog = {{query, S_FALSE}}}, &refused).Get(),
                kind),
            S_FALSE)
            << "a compressor that answers S_FALSE counts as having the dialog but shows nothing";
        EXPECT_EQ(refused.compressShowCalls.size(), 1u);

        FilterLog log;
        const auto filter = FakeFilter::Make(
            {.compressQuery = S_OK, .showDialog = {{shownNumber, MakeHResult(0x80040002)}}}, &log);
        EXPECT_EQ(ShowSettingsDialog(kOwner, filter.Get(), kind), MakeHResult(0x80040002));
        ASSERT_EQ(log.compressShowCalls.size(), 2u);
        EXPECT_EQ(log.compressShowCalls[0], std::make_pair(query, HWND{}));
        EXPECT_EQ(log.compressShowCalls[1], std::make_pair(shownNumber, kOwner));
    }
}

}  // namespace

namespace {

TEST(OleCreatePropertyFrame, ShowsNothingWhenAPageCannotBeMadeOrTheArgumentsAreBroken) {
    PageClass pages;
    RecordingHost host;
    const ScopedDialogHost installed(&host);
    const auto filter = FakeFilter::Make({});
    IUnknown* object = filter.Get();
    const CLSID good[] = {fakes::CLSID_FakePage};
    const CLSID unknown[] = {fakes::CLSID_FakePage, MakeGuid("{0F0F0F0F-1111-2222-3333-555555555555}")};

    EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, "x", 1, &object, 2, unknown, 0, 0, nullptr),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, "x", 1, nullptr, 1, good, 0, 0, nullptr), E_POINTER);
    EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, "x", 1, &object, 1, nullptr, 0, 0, nullptr), E_POINTER);
    EXPECT_TRUE(host.frames.empty());

    EXPECT_EQ(OleCreatePropertyFrame(nullptr, 0, 0, "x", 0, nullptr, 0, nullptr, 0, 0, nullptr), S_OK);
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames[0].caption, "x");
}

}  // namespace
