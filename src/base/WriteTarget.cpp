#include "base/WriteTarget.h"

#include <cstdio>
#include <filesystem>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
// The start of every name that tq3gen keeps for its own files.
constexpr std::string_view kReservedStart = ".tq3gen";
constexpr const char* kNothingWritten = " Nothing was written.";

// How the refusal of each kind of target reads, and the rules that differ by kind.
struct KindRule {
    TargetKind kind;
    const char* subject;  // the message up to the target's name
    const char* what;     // what an existing file of the kind is
    const char* closing;  // what the refusal means for the command
    bool folder;          // the target is a folder
    bool needsFolder;     // a file's folder must exist already
};
constexpr KindRule kRules[] = {
    {TargetKind::Picture, "The picture cannot be written to", "a PNG image", "", false, true},
    {TargetKind::SweepTable, "The sweep's table cannot be written to", "a table of a sweep",
     kNothingWritten, false, true},
    {TargetKind::Recipe, "The recipe cannot be written to", "a recipe", kNothingWritten, false,
     false},
    {TargetKind::Preset, "The preset cannot be written to", "a preset", kNothingWritten, false,
     false},
    {TargetKind::OutFolder, "The run's files cannot be written into", "", kNothingWritten, true,
     false},
    {TargetKind::PictureFolder, "The pictures cannot be written into", "", kNothingWritten, true,
     false},
    {TargetKind::ScenarioCopy, "Scenario copies cannot be made with", "", " Nothing was copied.",
     true, false},
};

const KindRule& RuleOf(TargetKind kind) {
    for (const KindRule& rule : kRules)
        if (rule.kind == kind) return rule;
    return kRules[0];
}

fs::path Resolved(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(PathOf(path), ec);
    const fs::path resolved = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : resolved;
}

// The game folder (one that holds the settings table) that `resolved` is or lies inside;
// empty when none.
fs::path GameFolderAround(const fs::path& resolved) {
    for (fs::path at = resolved; !at.empty(); at = at.parent_path()) {
        if (FileExists(GamePath(NameOf(at), GameFiles::SettingsTable))) return at;
        if (at == at.root_path()) break;
    }
    return {};
}

std::string Quoted(const fs::path& path) {
    return "\"" + NameOf(path) + "\"";
}

// The reserved names and the game's own folders, for every kind.
std::string PlaceProblem(const std::string& gameFolder, const std::string& path,
                         const fs::path& resolved, bool folder) {
    if (IsReservedName(NameOf(PathOf(path).filename())) ||
        IsReservedName(NameOf(resolved.filename())))
        return "it is a name that tq3gen keeps for its own files (the lock, the journal, "
               "temporaries, the list of written scenarios)";
    const std::string own = OwnGameFolderOf(gameFolder, path);
    if (own.empty()) return {};
    if (!folder && resolved.parent_path() == Resolved(gameFolder))
        return "it takes the name of the game folder's own " + own + "/ folder";
    return "it is inside the game folder's own " + own +
           "/ folder, whose files the game and the backups use";
}

// A run's folder is no game folder, and no link from its own folders leads into one.
std::string OutFolderProblem(const std::string& gameFolder, const fs::path& resolved) {
    if (resolved == Resolved(gameFolder))
        return "it is the game folder itself; --out names another folder, which receives the "
               "run's files while the game folder stays as it is";
    if (const fs::path game = GameFolderAround(resolved); !game.empty())
        return game == resolved ? "it is a game folder (it holds Config/TQ3Gener.csv)"
                                : "it lies inside the game folder " + Quoted(game);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(resolved, ec)) {
        bool own = false;
        for (const char* name : GameFiles::OwnFolders)
            own = own || SameTextIgnoringCase(NameOf(entry.path().filename()), name);
        if (!own) continue;
        std::vector<fs::path> reached = {entry.path()};
        for (const auto& inner : fs::directory_iterator(entry.path(), ec))
            if (inner.is_symlink(ec)) reached.push_back(inner.path());
        for (const fs::path& link : reached)
            if (const fs::path game = GameFolderAround(Resolved(NameOf(link))); !game.empty())
                return "its " + Quoted(link) + " leads into the game folder " + Quoted(game) +
                       " by a link";
    }
    return {};
}

// Whether the file begins with `head`.
bool BeginsWith(const std::string& path, std::string_view head) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return false;
    std::string start(head.size(), '\0');
    const std::size_t got = std::fread(start.data(), 1, start.size(), file);
    std::fclose(file);
    return got == head.size() && start == head;
}

// A file is written only over a regular file of its kind, and never beside a name that
// differs from it only in case (the game, or a user on a system that ignores case, would
// take either).
std::string FileProblem(const KindRule& rule, const fs::path& resolved, std::string_view head) {
    std::error_code ec;
    const fs::path folder = resolved.parent_path();
    if (rule.needsFolder && !fs::is_directory(folder, ec))
        return "its folder " + Quoted(folder) + " does not exist";
    const std::string name = NameOf(resolved.filename());
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string other = NameOf(entry.path().filename());
        if (other != name && SameTextIgnoringCase(other, name))
            return "it differs from " + Quoted(entry.path()) + " only in case";
    }
    const FileState state = LookAt(NameOf(resolved));
    if (state.kind == FileKind::Missing) return {};
    if (state.kind == FileKind::Folder) return "it is a folder";
    if (state.kind == FileKind::Other)
        return "it is not a regular file (a FIFO, socket or device), so it is not replaced";
    if (head.empty() || state.size == 0 || BeginsWith(NameOf(resolved), head)) return {};
    return std::string("it is not ") + rule.what + ", so it is not replaced";
}
}  // namespace

bool IsReservedName(std::string_view name) {
    return name.size() >= kReservedStart.size() &&
           SameTextIgnoringCase(std::string(name.substr(0, kReservedStart.size())),
                                std::string(kReservedStart));
}

std::string WriteTargetProblem(TargetKind kind, const std::string& gameFolder,
                               const std::string& path, std::string_view head) {
    const KindRule& rule = RuleOf(kind);
    const fs::path resolved = Resolved(path);
    const FileState given = LookAt(path);
    std::string why = PlaceProblem(gameFolder, path, resolved, rule.folder);
    if (why.empty() && rule.folder && given.kind != FileKind::Missing &&
        given.kind != FileKind::Folder)
        why = "it is not a folder";
    if (why.empty() && kind == TargetKind::OutFolder) why = OutFolderProblem(gameFolder, resolved);
    if (why.empty() && !rule.folder && given.link && given.kind == FileKind::Folder)
        why = "it is a link to a folder";
    if (why.empty() && !rule.folder) why = FileProblem(rule, resolved, head);
    if (why.empty()) return {};
    return std::string(rule.subject) + " \"" + AbsolutePath(path) + "\": " + why + "." +
           rule.closing;
}

}  // namespace tq3
