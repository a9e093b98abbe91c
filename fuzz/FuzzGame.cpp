#include "FuzzGame.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "config/SettingsFile.h"
#include "engine/RunProgress.h"

namespace tq3::fuzz {

namespace fs = std::filesystem;

namespace {
// A broken promise of the loaders: reported as a crash so that the fuzzer keeps the input.
[[noreturn]] void Broken(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

void RemoveGameFolder() {
    std::error_code ec;
    fs::remove_all(GameFolder(), ec);
}
}  // namespace

void FixedDialogs::Error(const std::string& text) {
    if (text.empty()) Broken("an empty error message");
}

void FixedDialogs::Info(const std::string& text) {
    if (text.empty()) Broken("an empty information message");
}

Answer FixedDialogs::Confirm(const std::string&, Buttons buttons) {
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> FixedDialogs::ChooseFolder(const std::string&, bool) {
    return std::nullopt;
}

void FixedDialogs::Progress(int position) {
    if (position < RunProgress::Start || position > RunProgress::Done)
        Broken("progress position " + std::to_string(position));
}

void FixedDialogs::Problem(const std::string& file, int line, const std::string& text) {
    if (file.empty() || line < 0 || text.empty())
        Broken("a problem without file or line: " + file + ":" + std::to_string(line));
}

const std::string& GameFolder() {
    static const std::string folder = [] {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path dir = base / ("tq3gen-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::copy(TQ3_FUZZ_BASE_GAME, dir, fs::copy_options::recursive);
        return dir.string();
    }();
    static const bool cleanup = std::atexit(RemoveGameFolder) == 0;
    (void)cleanup;
    return folder;
}

void WriteConfig(const std::string& name, std::string_view bytes) {
    const fs::path path = fs::path(GameFolder()) / "Config" / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Broken("cannot write " + path.string());
}

void RestoreConfig(const std::string& name) {
    fs::copy_file(fs::path(TQ3_FUZZ_BASE_GAME) / "Config" / name,
                  fs::path(GameFolder()) / "Config" / name, fs::copy_options::overwrite_existing);
}

std::string_view AsText(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string_view> SplitFiles(std::string_view input) {
    std::vector<std::string_view> files;
    for (;;) {
        const std::size_t at = input.find(FileSeparator);
        files.push_back(input.substr(0, at));
        if (at == std::string_view::npos) return files;
        input.remove_prefix(at + FileSeparator.size());
    }
}

std::unique_ptr<World> LoadedWorld(int provinceCount) {
    static const std::unique_ptr<World> base = [] {
        auto world = std::make_unique<World>();
        world->ProgramFolder = GameFolder();
        FixedDialogs dialogs;
        if (LoadSettings(*world, dialogs, true).refused) Broken("the tiny test game does not load");
        return world;
    }();
    auto world = std::make_unique<World>(*base);
    world->Settings.ProvinceCount = static_cast<int16_t>(provinceCount);
    return world;
}

}  // namespace tq3::fuzz
