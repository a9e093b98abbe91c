#include "session/GameFolder.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"

namespace tq3 {

bool IsGameFolder(const std::string& folder, Dialogs& dialogs) {
    const std::string absolute = AbsolutePath(folder);
    if (!FolderExists(folder)) {
        dialogs.Error("The game folder \"" + absolute + "\" does not exist.");
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
