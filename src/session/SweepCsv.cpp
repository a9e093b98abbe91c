#include "session/SweepCsv.h"

#include <filesystem>
#include <vector>

#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"
#include "session/BalanceSummary.h"

namespace tq3 {

namespace {
constexpr const char* kFirstColumns = "seed,fairness,income_gini,native_share,short_nations";
constexpr const char* kMajorColumns[] = {
    "tag",     "strength",   "income",      "manpower",       "provinces",       "land",
    "coastal", "gold_mines", "trade_goods", "religion_share", "capital_distance"};
constexpr int kRatioDecimals = 4;
constexpr int kPercentDecimals = 2;
}  // namespace

std::string SweepCsvHeader(int majors) {
    std::string line = kFirstColumns;
    for (int m = 1; m <= majors; ++m)
        for (const char* column : kMajorColumns)
            line += ",major" + std::to_string(m) + "_" + column;
    return line + "\n";
}

std::string SweepCsvLine(const World& loaded, const SweepRow& row) {
    const WorldBalance& b = row.balance;
    std::string line = std::to_string(row.seed) + "," + FixedText(b.fairness, kRatioDecimals) +
                       "," + FixedText(b.incomeGini, kRatioDecimals) + "," +
                       FixedText(b.nativeShare, kPercentDecimals) + "," +
                       std::to_string(b.shortNations);
    for (const MajorBalance& m : b.majors) {
        line += "," + loaded.Nations[m.nation].Tag + "," + std::to_string(m.Strength()) + "," +
                std::to_string(m.income) + "," + std::to_string(m.manpower) + "," +
                std::to_string(m.provinces) + "," + std::to_string(m.landProvinces) + "," +
                std::to_string(m.coastal) + "," + std::to_string(m.goldMines) + "," +
                std::to_string(m.tradeGoods) + "," + FixedText(m.religionShare, kPercentDecimals) +
                "," + std::to_string(m.capitalDistance);
    }
    return line + "\n";
}

std::string SweepCsvTargetProblem(const std::string& gameFolder, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(fs::absolute(PathOf(path), ec), ec);
    const fs::path folder = target.parent_path();
    if (!fs::is_directory(folder, ec)) return "the folder " + NameOf(folder) + " does not exist";

    // The game's own folders, matched without regard to case, and their names.
    if (const std::string own = OwnGameFolderOf(gameFolder, path); !own.empty())
        return folder == fs::weakly_canonical(fs::absolute(PathOf(gameFolder), ec), ec)
                   ? "it takes the name of the game's " + own + " folder"
                   : "it is inside the game's " + own + " folder";
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = NameOf(entry.path().filename());
        const std::string targetName = NameOf(target.filename());
        if (name != targetName && SameTextIgnoringCase(name, targetName))
            return "it differs from \"" + NameOf(entry.path()) + "\" only in case";
    }
    const FileState state = LookAt(path);
    if (state.kind == FileKind::Missing) return {};
    if (state.kind != FileKind::Regular) return "it exists and is not a regular file";
    // Only a table of a sweep is replaced: its first columns are the sweep's.
    FILE* file = OpenFile(path, "rb");
    if (!file) return ErrnoReason();
    const std::string expected = kFirstColumns;
    std::vector<char> head(expected.size());
    const std::size_t got = std::fread(head.data(), 1, head.size(), file);
    std::fclose(file);
    if (got != head.size() || std::string(head.begin(), head.end()) != expected)
        return "it is not a table of a sweep, so it is not replaced";
    return {};
}

SweepCsvFile::~SweepCsvFile() {
    if (file_) std::fclose(file_);
    if (!temp_.empty()) RemoveFile(temp_);
}

bool SweepCsvFile::Open(const std::string& path) {
    path_ = path;
    file_ = CreateUniqueFile(path + ".tq3gen-XXXXXX", temp_, error_);
    return file_ != nullptr;
}

void SweepCsvFile::Append(const std::string& text) {
    if (!file_ || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        failed_ = true;
        error_ = ErrnoReason();
    }
}

bool SweepCsvFile::Commit() {
    if (!file_) return false;
    std::string reason;
    const bool synced = SyncAndClose(file_, NewFileMode(), reason);
    file_ = nullptr;
    if (!synced && error_.empty()) error_ = reason;
    if (failed_ || !synced) return false;
    if (!RenameOver(temp_, path_, error_)) return false;
    temp_.clear();
    return true;
}

}  // namespace tq3
