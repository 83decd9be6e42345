// The audio categories against a real PulseAudio server of the test's own (what `pactl` reports
// is the expectation), and against a missing, refusing or silent server.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>

#include "backends/devices/alsa_devices.h"
#include "backends/devices/filter_class_ids.h"
#include "backends/devices/sound_server_devices.h"
#include "platform/base_filter.h"
#include "platform/com.h"
#include "platform/devenum.h"
#include "platform/property_bag.h"
#include "platform/property_pages.h"
#include "tests/support/lumora_info_run.h"
#include "tests/support/pulse_server.h"
#include "tests/support/time_bound.h"

namespace {

using namespace lumora::devices;
using lumora::testing::PulseServer;
using lumora::testing::RunLumoraInfo;
using lumora::testing::SoundServerEnvironment;
using Names = std::vector<std::string>;

struct Member {
    std::string name;
    CLSID clsid{};
};

std::vector<Member> CategoryMembers(const GUID& category) {
    std::vector<Member> members;
    ComPtr<ICreateDevEnum> devEnum;
    if (CoCreateInstance(CLSID_SystemDeviceEnum, devEnum) != S_OK) return members;
    ComPtr<IEnumMoniker> monikers;
    if (devEnum->CreateClassEnumerator(category, monikers.Put(), 0) != S_OK) return members;
    for (ComPtr<IMoniker> moniker; monikers->Next(1, moniker.Put(), nullptr) == S_OK;) {
        ComPtr<IPropertyBag> bag;
        if (moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, bag.PutVoid()) != S_OK) continue;
        VARIANT name, clsid;
        Member member;
        if (bag->Read("FriendlyName", &name, nullptr) == S_OK) member.name = std::get<std::string>(name);
        if (bag->Read("CLSID", &clsid, nullptr) == S_OK)
            CLSIDFromString(std::get<std::string>(clsid), &member.clsid);
        members.push_back(member);
    }
    return members;
}

Names NamesOf(const std::vector<Member>& members) {
    Names names;
    for (const Member& member : members)
        names.push_back(member.name);
    return names;
}

Names NamesOf(const MemberList& members) {
    Names names;
    for (const DeviceMember& member : members)
        names.push_back(member.friendlyName);
    return names;
}

// `pactl list sinks` or `pactl list sources` as name, description and whether it monitors a sink.
struct PactlDevice {
    std::string name, description;
    bool monitor = false;
};

std::vector<PactlDevice> PactlList(const PulseServer& server, const std::string& what) {
    std::vector<PactlDevice> devices;
    std::istringstream output(server.Pactl("list " + what).value_or(""));
    for (std::string line; std::getline(output, line);) {
        const auto value = [&](const std::string& key) {
            return line.rfind("\t" + key + ": ", 0) == 0 ? std::optional(line.substr(key.size() + 3))
                                                         : std::nullopt;
        };
        if (line.rfind("Sink #", 0) == 0 || line.rfind("Source #", 0) == 0) devices.emplace_back();
        if (devices.empty()) continue;
        if (const auto name = value("Name")) devices.back().name = *name;
        if (const auto description = value("Description")) devices.back().description = *description;
        if (const auto monitor = value("Monitor of Sink")) devices.back().monitor = *monitor != "n/a";
    }
    return devices;
}

std::string PactlDefault(const PulseServer& server, const std::string& which) {
    std::istringstream output(server.Pactl("info").value_or(""));
    const std::string key = "Default " + which + ": ";
    for (std::string line; std::getline(output, line);)
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    return "";
}

// The category as pactl's answers say it must be: the default (unless it is a monitor), the ALSA
// PCMs, the server's devices that monitor no sink.
Names Expected(const PulseServer& server, bool capture) {
    const auto devices = PactlList(server, capture ? "sources" : "sinks");
    const std::string defaultName = PactlDefault(server, capture ? "Source" : "Sink");
    Names names;
    for (const PactlDevice& device : devices)
        if (device.name == defaultName && !device.monitor)
            names.push_back((capture ? "Default input (" : "Default output (") + device.description + ")");
    for (const std::string& name : NamesOf(capture ? AlsaCaptureMembers() : AlsaPlaybackMembers()))
        names.push_back(name);
    for (const PactlDevice& device : devices)
        if (!device.monitor) names.push_back(device.description);
    return names;
}

// The names lumora_info prints under `label`.
Names Section(const std::string& output, const std::string& label) {
    Names names;
    std::istringstream lines(output);
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  ", 0) != 0)
            inside = line == label;
        else if (inside)
            names.push_back(line.substr(2));
    }
    return names;
}

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

class SoundServer : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(SoundServer, AudioCategoriesListWhatPactlReports) {
    PulseServer server;
    if (!server.Started()) GTEST_SKIP() << "no PulseAudio server for the test: " << server.Log();
    ASSERT_TRUE(
        server.Pactl("load-module module-null-sink sink_name=two_words "
                     "\"sink_properties='device.description=\\\"Two Words\\\"'\""));
    ASSERT_TRUE(server.Pactl("load-module module-null-sink sink_name=plain"));

    // With sinks only, the default source is a sink's monitor: no input from the server.
    ASSERT_EQ(PactlDefault(server, "Source"), "two_words.monitor");
    EXPECT_EQ(NamesOf(CategoryMembers(CLSID_AudioInputDeviceCategory)), NamesOf(AlsaCaptureMembers()));
    EXPECT_EQ(NamesOf(CategoryMembers(CLSID_AudioRendererCategory)), Expected(server, false));

    ASSERT_TRUE(server.Pactl("load-module module-null-source source_name=line 'description=\"Test Line\"'"));
    ASSERT_TRUE(server.Pactl("set-default-sink plain"));
    const Names capture = Expected(server, true), output = Expected(server, false);
    ASSERT_EQ(capture.front(), "Default input (Test Line)") << "the oracle reads pactl as meant";
    ASSERT_EQ(output.front(), "Default output (Null Output)");
    ASSERT_EQ(output.back(), "Null Output");

    const std::vector<Member> renderers = CategoryMembers(CLSID_AudioRendererCategory);
    EXPECT_EQ(NamesOf(CategoryMembers(CLSID_AudioInputDeviceCategory)), capture);
    EXPECT_EQ(NamesOf(renderers), output);
    ASSERT_FALSE(renderers.empty());
    EXPECT_TRUE(IsEqualGUID(renderers.front().clsid, CLSID_SoundServerDeviceFilter));
    EXPECT_TRUE(IsEqualGUID(renderers.back().clsid, CLSID_SoundServerDeviceFilter));

    // A member like any other: its filter tells its name and offers no settings.
    ComPtr<ICreateDevEnum> devEnum;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, devEnum), S_OK);
    ComPtr<IEnumMoniker> monikers;
    ASSERT_EQ(devEnum->CreateClassEnumerator(CLSID_AudioRendererCategory, monikers.Put(), 0), S_OK);
    ComPtr<IMoniker> first;
    ASSERT_EQ(monikers->Next(1, first.Put(), nullptr), S_OK);
    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(first->BindToObject(nullptr, nullptr, IID_IBaseFilter, filter.PutVoid()), S_OK);
    FILTER_INFO info;
    EXPECT_EQ(filter->QueryFilterInfo(&info), S_OK);
    EXPECT_EQ(info.achName, output.front());
    ComPtr<ISpecifyPropertyPages> pages;
    EXPECT_EQ(filter.As(pages), E_NOINTERFACE);

    const auto catalogue = RunLumoraInfo("--catalogue");
    EXPECT_EQ(catalogue.status, 0);
    EXPECT_EQ(catalogue.err, "") << "libpulse prints nothing";
    EXPECT_EQ(Sorted(Section(catalogue.out, "Устройства захвата аудио:")), Sorted(capture));
    EXPECT_EQ(Sorted(Section(catalogue.out, "Устройства аудиовывода:")), Sorted(output));
}

// A Unix socket at `path` that is bound and then, unless `listens`, closed: a socket file that
// nobody listens on. A listening one completes connections and never answers.
class UnixSocket {
public:
    UnixSocket(const std::string& path, bool listens) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ok_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              (!listens || ::listen(fd_, 8) == 0);
        if (!listens) Close();
    }
    ~UnixSocket() { Close(); }
    UnixSocket(const UnixSocket&) = delete;
    UnixSocket& operator=(const UnixSocket&) = delete;
    bool Ok() const { return ok_; }

private:
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_;
    bool ok_ = false;
};

TEST_F(SoundServer, NoMembersFromAServerThatIsMissingRefusesOrNeverAnswers) {
    using std::chrono::milliseconds;
    const struct {
        const char* what;
        std::optional<bool> socketListens;  // nullopt: no socket file at all
        milliseconds limit;
        const char* clientConf = "";
    } cases[] = {
        {"no server", std::nullopt, milliseconds(50)},
        {"a socket file nobody listens on", false, milliseconds(50)},
        // Both categories together within one bound: the silent server is not waited for twice.
        {"a server that never answers", true, kSoundServerBound + milliseconds(200)},
        {"a broken client.conf, which libpulse complains about", std::nullopt, milliseconds(50),
         "no setting here\n"},
    };
    const Names alsaCapture = NamesOf(AlsaCaptureMembers()), alsaPlayback = NamesOf(AlsaPlaybackMembers());
    ComPtr<ICreateDevEnum> loaded;  // the module's first load is not the enumeration's cost
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, loaded), S_OK);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        SoundServerEnvironment environment;
        environment.Folder().File("client.conf", test.clientConf);
        std::optional<UnixSocket> socket;
        if (test.socketListens) {
            socket.emplace(environment.SocketPath().string(), *test.socketListens);
            ASSERT_TRUE(socket->Ok());
        }
        const auto enumerate = [&] {
            const auto start = std::chrono::steady_clock::now();
            EXPECT_EQ(NamesOf(CategoryMembers(CLSID_AudioInputDeviceCategory)), alsaCapture);
            EXPECT_EQ(NamesOf(CategoryMembers(CLSID_AudioRendererCategory)), alsaPlayback);
            return std::chrono::steady_clock::now() - start;
        };
        // The fastest of three, so that a loaded machine does not fail it; a silent server is
        // remembered after the first, which alone then tells the bound.
        auto took = enumerate();
        if (!test.socketListens.value_or(false))
            for (int again = 0; again < 2; ++again)
                took = std::min(took, enumerate());
        EXPECT_LT(took, lumora::testing::TimeBound(test.limit));

        const auto catalogue = RunLumoraInfo("--catalogue");
        EXPECT_EQ(catalogue.status, 0);
        EXPECT_EQ(catalogue.err, "");
        EXPECT_EQ(Sorted(Section(catalogue.out, "Устройства аудиовывода:")), Sorted(alsaPlayback));
    }
}

// libpulse starts a server of its own ("autospawn") when the configuration asks for it, but never
// for root: as root the programs run as nobody.
TEST_F(SoundServer, NeverStartsAServer) {
    using lumora::testing::ShellQuote;
    const lumora::testing::TempDir folder;
    const std::string path = folder.Path().string();
    const std::string daemon =
        folder.File("fake-daemon", "#!/bin/sh\ntouch " + ShellQuote(path + "/spawned") + "\n");
    folder.File("client.conf", "autospawn = yes\ndaemon-binary = " + daemon + "\n");
    std::filesystem::create_directory(folder.Path() / "runtime");
    ::chmod(daemon.c_str(), 0755);
    ::chmod((folder.Path() / "runtime").c_str(), 0700);
    std::string user;
    if (::getuid() == 0) {
        if (!lumora::testing::HaveTool("setpriv")) GTEST_SKIP() << "setpriv is needed to run as nobody";
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
            ASSERT_EQ(::chown(entry.path().c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    const std::string environment = "env -i PATH=/usr/bin:/bin HOME=" + ShellQuote(path) +
                                    " PULSE_CLIENTCONFIG=" + ShellQuote(path + "/client.conf") +
                                    " PULSE_RUNTIME_PATH=" + ShellQuote(path + "/runtime") + " " + user;
    const std::string spawned = path + "/spawned";
    if (!lumora::testing::HaveTool("pactl")) GTEST_SKIP() << "pactl is not installed";
    lumora::testing::RunProgram(environment + "pactl info");
    ASSERT_TRUE(std::filesystem::remove(spawned)) << "pactl autospawns here: the setting is read";

    const auto run = RunLumoraInfo("--catalogue", environment);
    if (run.status != 0) GTEST_SKIP() << "lumora_info cannot run as nobody here: " << run.err;
    EXPECT_FALSE(std::filesystem::exists(spawned));
    EXPECT_EQ(run.err, "");
}

}  // namespace
