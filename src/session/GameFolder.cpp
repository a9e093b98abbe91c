#include "session/GameFolder.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"

namespace tq3 {

namespace {
// Why `folder` is not a game folder; empty when it is one.
std::string NotAGameFolder(const std::string& folder) {
    const std::string absolute = AbsolutePath(folder);
    if (!FolderExists(folder)) {
        const FileState state = LookAt(absolute);
        return "The game folder \"" + absolute + "\" " +
               (!state.problem.empty()            ? "cannot be opened: " + state.problem + "."
                : state.kind == FileKind::Missing ? std::string("does not exist.")
                                                  : std::string("is not a folder."));
    }
    if (!FileExists(GamePath(folder, GameFiles::SettingsTable)))
        return "\"" + absolute +
               "\" is not a game folder: it has no Config/TQ3Gener.csv. Nothing was changed in it.";
    return {};
}
}  // namespace

OperationReport IsGameFolder(const std::string& folder, Dialogs& dialogs) {
    OperationReport report;
    if (const std::string problem = NotAGameFolder(folder); !problem.empty()) {
        report.Refuse(dialogs, problem);
    }
    return report;
}

}  // namespace tq3
