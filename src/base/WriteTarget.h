#pragma once

#include <string>
#include <string_view>

namespace tq3 {

// What a command writes besides the game's own files: a picture, a sweep's table, a recipe,
// a preset, a folder that receives a run's files in place of the game folder (--out), a folder of
// pictures, or a folder that scenario copies go to or come from.
enum class TargetKind {
    Picture,
    SweepTable,
    Recipe,
    Preset,
    OutFolder,
    PictureFolder,
    ScenarioCopy
};

// Whether a command on the game folder `gameFolder` may write `path` as a target of `kind`:
// empty when it may, else the whole message that says why not and that nothing was written.
// Every kind is refused
// - a name tq3gen keeps for its own files (".tq3gen" and anything after it: the lock, the
//   journal, temporaries, the list of written scenarios), in any case;
// - a place inside the game folder's own Backup/, DB/, Config/ or Scenarios/, or a name
//   that one of those folders has, links resolved and matched without regard to case.
// A file is written only over a regular file of its kind: never over a folder, a link to
// one, a FIFO, socket or device, nor over a file that is not empty and does not begin with
// `head` (when one is given: a picture's signature, a table's first columns), nor beside a
// file whose name differs from it only in case. Pictures and tables need their folder to
// exist.
// A run's folder (--out) must be a folder or nothing, and neither be nor lie inside a game
// folder (one that holds Config/TQ3Gener.csv), nor lead into one by a link from its DB/,
// Scenarios/ or Backup/ or a file in them.
std::string WriteTargetProblem(TargetKind kind, const std::string& gameFolder,
                               const std::string& path, std::string_view head = {});

// Whether a file name (no folder) is one that tq3gen keeps for its own files.
bool IsReservedName(std::string_view name);

}  // namespace tq3
