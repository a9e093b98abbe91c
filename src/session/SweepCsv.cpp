#include "session/SweepCsv.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/NameMatch.h"
#include "session/BalanceSummary.h"

namespace tq3 {

namespace {
constexpr const char* kFirstColumns = "seed,fairness,income_gini,native_share,short_nations";
constexpr const char* kMajorColumns[] = {
    "tag",     "strength",   "income",      "manpower",       "provinces",       "land",
    "coastal", "gold_mines", "trade_goods", "religion_share", "capital_distance"};
constexpr int kRatioDecimals = 4;
constexpr int kPercentDecimals = 2;
constexpr mode_t kNewFileMode = 0666;
constexpr const char* kGameFolders[] = {"Config", "DB", "Scenarios", "Backup"};

std::string SystemReason() {
    return std::strerror(errno);
}
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
    const fs::path target = fs::weakly_canonical(fs::absolute(path, ec), ec);
    const fs::path folder = target.parent_path();
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " does not exist";

    // The game's own folders, matched without regard to case.
    const fs::path game = fs::weakly_canonical(fs::absolute(gameFolder, ec), ec);
    const auto relative = folder.lexically_relative(game);
    if (!relative.empty() && *relative.begin() != ".." && relative != ".") {
        const std::string top = relative.begin()->string();
        for (const char* own : kGameFolders)
            if (SameTextIgnoringCase(top, own)) return "it is inside the game's " + top + " folder";
    }
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name != target.filename().string() &&
            SameTextIgnoringCase(name, target.filename().string()))
            return "it differs from \"" + entry.path().string() + "\" only in case";
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (!S_ISREG(st.st_mode)) return "it exists and is not a regular file";
    // Only a table of a sweep is replaced: its first columns are the sweep's.
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return SystemReason();
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
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool SweepCsvFile::Open(const std::string& path) {
    path_ = path;
    std::string pattern = path + ".tq3gen-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error_ = SystemReason();
        return false;
    }
    temp_ = pattern;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        error_ = SystemReason();
        ::close(fd);
        return false;
    }
    return true;
}

void SweepCsvFile::Append(const std::string& text) {
    if (!file_ || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        failed_ = true;
        error_ = SystemReason();
    }
}

bool SweepCsvFile::Commit() {
    if (!file_) return false;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool flushed = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0 &&
                         ::fchmod(::fileno(file_), kNewFileMode & ~mask) == 0;
    if (!flushed && error_.empty()) error_ = SystemReason();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed && error_.empty()) error_ = SystemReason();
    if (!flushed || !closed) return false;
    if (::rename(temp_.c_str(), path_.c_str()) != 0) {
        error_ = SystemReason();
        return false;
    }
    temp_.clear();
    return true;
}

}  // namespace tq3
