// A PulseAudio server of the test's own: a private runtime folder that libpulse clients of this
// process (and of the programs it starts) look in, and optionally a real server listening there.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/media_tools.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace lumora::testing {

// Environment variables changed for one scope; the old values come back in reverse order.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
            if (saved->second)
                ::setenv(saved->first.c_str(), saved->second->c_str(), 1);
            else
                ::unsetenv(saved->first.c_str());
        }
    }

    void Set(const std::string& name, const std::string& value) {
        Save(name);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void Unset(const std::string& name) {
        Save(name);
        ::unsetenv(name.c_str());
    }

private:
    void Save(const std::string& name) {
        const char* value = std::getenv(name.c_str());
        saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Points libpulse at an empty private runtime folder, with an empty client configuration and
// neither PULSE_SERVER nor an X display to find another server by. Nothing listens there yet.
class SoundServerEnvironment {
public:
    SoundServerEnvironment() {
        std::filesystem::create_directory(RuntimeFolder());
        ::chmod(RuntimeFolder().c_str(), 0700);  // libpulse refuses a runtime folder others can enter
        std::filesystem::create_directory(folder_.Path() / "home");
        environment_.Set("PULSE_RUNTIME_PATH", RuntimeFolder().string());
        environment_.Set("XDG_RUNTIME_DIR", RuntimeFolder().string());
        environment_.Set("PULSE_CLIENTCONFIG", folder_.File("client.conf", ""));
        environment_.Set("PULSE_COOKIE", (folder_.Path() / "home" / "cookie").string());
        environment_.Unset("PULSE_SERVER");
        environment_.Unset("DISPLAY");
    }

    std::filesystem::path RuntimeFolder() const { return folder_.Path() / "runtime"; }
    // Where a client of this environment connects first.
    std::filesystem::path SocketPath() const { return RuntimeFolder() / "native"; }
    const TempDir& Folder() const { return folder_; }

private:
    TempDir folder_;
    ScopedEnvironment environment_;
};

// A real PulseAudio server (no modules but the native protocol's Unix socket) for one test,
// stopped by its process id at the end. Started() is false, and Log() says why, when it could not
// start or never answered.
class PulseServer : public SoundServerEnvironment {
public:
    PulseServer() {
        if (!HaveTool("pulseaudio") || !HaveTool("pactl")) {
            log_ = "pulseaudio or pactl is not installed";
            return;
        }
        const std::string logPath = (Folder().Path() / "server.log").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        // As root it runs only with --system=false; its state and cookie stay in the folder.
        std::vector<std::string> arguments = {"pulseaudio",
                                              "-n",
                                              "--daemonize=no",
                                              "--exit-idle-time=-1",
                                              "--system=false",
                                              "--disallow-exit",
                                              "--use-pid-file=no",
                                              "-L",
                                              "module-native-protocol-unix"};
        std::vector<std::string> environment;
        for (char** variable = environ; *variable; ++variable)
            if (std::string(*variable).rfind("HOME=", 0) != 0) environment.emplace_back(*variable);
        environment.push_back("HOME=" + (Folder().Path() / "home").string());
        const int spawned = posix_spawnp(&pid_, "pulseaudio", &actions, nullptr, Pointers(arguments).data(),
                                         Pointers(environment).data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            pid_ = -1;
            log_ = "pulseaudio could not be started";
            return;
        }
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!Pactl("info")) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                log_ = "pulseaudio exited at start:\n" + ServerLog();
                return;
            }
            if (std::chrono::steady_clock::now() > giveUp) {
                log_ = "pulseaudio never answered pactl info:\n" + ServerLog();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        started_ = true;
    }

    ~PulseServer() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > giveUp) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    bool Started() const { return started_; }
    const std::string& Log() const { return log_; }

    // pactl's standard output in the C locale; nullopt when it fails.
    std::optional<std::string> Pactl(const std::string& arguments) const {
        return RunCommand("LC_ALL=C pactl " + arguments + " 2>/dev/null");
    }

private:
    static std::vector<char*> Pointers(std::vector<std::string>& texts) {
        std::vector<char*> pointers;
        for (std::string& text : texts)
            pointers.push_back(text.data());
        pointers.push_back(nullptr);
        return pointers;
    }
    std::string ServerLog() const {
        std::ifstream file(Folder().Path() / "server.log");
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    pid_t pid_ = -1;
    bool started_ = false;
    std::string log_;
};

}  // namespace lumora::testing
