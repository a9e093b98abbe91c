#pragma once

#include <string>

namespace tq3 {

// Where a picture may be written. A picture replaces only a PNG image or nothing: never a
// folder, a FIFO, a socket, a device, a link to a folder, an empty file, the lock of a game
// folder, or (inside the game folder `gameFolder`, when one is given) a name that one of the
// game's files has without regard to case, or the name of one of the game's folders. Gives why the target is refused, or nothing.
std::string RefusedPictureTarget(const std::string& path, const std::string& gameFolder);

// What the first bytes of a file say it is: a PNG image (its 8-byte signature), an empty
// file, anything else, or nothing known because it cannot be read.
enum class FileHead { Unreadable, Empty, Png, Other };
FileHead ReadFileHead(const std::string& path);

// The temporary file a picture is written to beside its target: the target's name with
// ".tq3gen-XXXXXX" added, the name cut short where the file system's limit needs it.
std::string PictureTemporaryPattern(const std::string& path);

// Removes the temporaries that a write to `path` cut short (the process killed) left beside it.
void RemoveLeftoverPictureTemporaries(const std::string& path);

}  // namespace tq3
