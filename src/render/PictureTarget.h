#pragma once

#include <string>

namespace tq3 {

// Where a picture may be written. A picture replaces only a PNG image or nothing: never a
// folder, a FIFO, a socket, a device, a link to a folder, an empty file, the lock of a game
// folder, or (inside the game folder `gameFolder`, when one is given) a name that one of the
// game's files has without regard to case. Gives why the target is refused, or nothing.
std::string RefusedPictureTarget(const std::string& path, const std::string& gameFolder);

// The temporary file a picture is written to beside its target: the target's name with
// ".tq3gen-XXXXXX" added, the name cut short where the file system's limit needs it.
std::string PictureTemporaryPattern(const std::string& path);

// Removes the temporaries that a write to `path` cut short (the process killed) left beside it.
void RemoveLeftoverPictureTemporaries(const std::string& path);

}  // namespace tq3
