#include "session/GameFolder.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"

namespace tq3 {

bool IsGameFolder(const std::string& folder, Dialogs& dialogs) {
    const std::string absolute = AbsolutePath(folder);
    if (!FolderExists(folder)) {
        const FileState state = LookAt(absolute);
        dialogs.Error("The game folder \"" + absolute + "\" " +
                      (!state.problem.empty() ? "cannot be opened: " + state.problem + "."
                       : state.kind == FileKind::Missing ? std::string("does not exist.")
                                                         : std::string("is not a folder.")));
        return false;
    }
    if (!FileExists(GamePath(folder, GameFiles::SettingsTable))) {
        dialogs.Error("\"" + absolute +
                      "\" is not a game folder: it has no Config/TQ3Gener.csv. Nothing was "
                      "changed in it.");
        return false;
    }
    return true;
}

}  // namespace tq3
