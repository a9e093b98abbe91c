#pragma once

#include "TestSupport.h"
#include "config/SettingsFile.h"

using namespace tq3;

// A copy of the tiny game folder of tests/data/mini in a temporary folder, with a world that
// points at it.
struct MiniGame : ::testing::Test {
    test::TempDir dir;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;

    void SetUp() override {
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        world->ProgramFolder = dir.str();
    }
    std::filesystem::path Config(const std::string& name) const {
        return dir.path / "Config" / name;
    }
    std::string Read(const std::string& configName) const {
        return test::ReadFile(Config(configName));
    }
    void Write(const std::string& configName, const std::string& bytes) const {
        test::WriteFile(Config(configName), bytes);
    }
    // Replaces the first occurrence of `from` in a config file.
    void Edit(const std::string& configName, const std::string& from, const std::string& to) const {
        std::string text = Read(configName);
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        Write(configName, text);
    }
    bool Load(bool full = true) { return !LoadSettings(*world, dialogs, full).refused; }
};
