#pragma once

// Shared by every test executable: a recording Dialogs, a scripted random source and
// throw-away game folders.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/Platform.h"
#include "base/Random.h"
#include "engine/World.h"

using namespace tq3;

namespace test {

struct RecordingDialogs : Dialogs {
    std::vector<std::string> errors, infos, confirms, problems;
    std::vector<int> progress;
    std::deque<Answer> answers;  // answers to Confirm, in order; Ok / Yes when empty
    std::optional<std::string> folder;
    int busy = 0;

    void Error(const std::string& text) override { errors.push_back(text); }
    void Info(const std::string& text) override { infos.push_back(text); }
    Answer Confirm(const std::string& text, Buttons buttons) override {
        confirms.push_back(text);
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return folder; }
    void Progress(int position) override { progress.push_back(position); }
    void Problem(const std::string& file, int line, const std::string& text) override {
        problems.push_back(std::filesystem::path(file).filename().string() + ":" +
                           std::to_string(line) + ": " + text);
    }
    void Busy(bool b) override { busy += b ? 1 : 0; }
};

// Gives the scripted values in order (each must be below the n asked for); after the script
// runs out, gives 0. Records every n asked for.
struct ScriptedRandom : RandomSource {
    std::deque<int> script;
    std::vector<int> asked;
    int randomizes = 0;
    bool outOfRange = false;

    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<int> values) : script(values) {}
    int RandInt(int n) override {
        asked.push_back(n);
        if (script.empty()) return 0;
        const int v = script.front();
        script.pop_front();
        if (n > 0 && (v < 0 || v >= n)) outOfRange = true;
        return v;
    }
    void Randomize() override { ++randomizes; }
};

// A fresh folder under the system's temporary folder, removed at the end of the test.
struct TempDir {
    std::filesystem::path path;
    TempDir() {
        static std::mt19937_64 gen{std::random_device{}()};
        path = std::filesystem::temp_directory_path() / ("tq3gen-test-" + std::to_string(gen()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string str() const { return path.string(); }
};

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Copies a folder of tests/data into a temporary folder and gives its path.
inline void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::copy(from, to,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

// Takes away every write permission (on Windows: sets the read-only attribute).
inline void MakeReadOnly(const std::filesystem::path& path) {
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_read | perms::group_read | perms::others_read,
                                 std::filesystem::perm_options::replace);
}

inline bool OwnerMayWrite(const std::filesystem::path& path) {
    return (std::filesystem::status(path).permissions() & std::filesystem::perms::owner_write) !=
           std::filesystem::perms::none;
}

// An exclusive lock on a file, as another holder in this process: the lock file is opened
// a second time, so the code under test meets a held lock.
struct HeldLock {
    tq3::LockHandle handle = tq3::NoLockHandle;
    explicit HeldLock(const std::filesystem::path& file) {
        std::string reason;
        handle = tq3::OpenLockFile(tq3::NameOf(file), 0666, reason);
        if (handle != tq3::NoLockHandle &&
            tq3::TryLock(handle, reason) != tq3::LockAttempt::Taken) {
            tq3::ReleaseLock(handle);
            handle = tq3::NoLockHandle;
        }
    }
    ~HeldLock() { Release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return handle != tq3::NoLockHandle; }
    void Release() {
        tq3::ReleaseLock(handle);
        handle = tq3::NoLockHandle;
    }
};

inline std::unique_ptr<World> NewWorld() {
    return std::make_unique<World>();
}

// The user's configuration folder as `folder` for this process and the programs it starts,
// while this lives.
class UserConfigAt {
  public:
#ifdef _WIN32
    static constexpr const char* kVariable = "APPDATA";
    explicit UserConfigAt(const std::string& folder) {
        ::_putenv_s(kVariable, folder.c_str());
    }
    ~UserConfigAt() {
        ::_putenv_s(kVariable, previous_.c_str());
    }
#else
    static constexpr const char* kVariable = "XDG_CONFIG_HOME";
    explicit UserConfigAt(const std::string& folder) {
        ::setenv(kVariable, folder.c_str(), 1);
    }
    ~UserConfigAt() {
        if (previous_.empty())
            ::unsetenv(kVariable);
        else
            ::setenv(kVariable, previous_.c_str(), 1);
    }
#endif

  private:
    std::string previous_ = tq3::EnvironmentValue(kVariable);
};

}  // namespace test
