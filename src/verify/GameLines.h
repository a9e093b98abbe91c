#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "verify/Finding.h"

namespace tq3 {

// One line of a game file, without its line end, and its 1-based number.
struct GameLine {
    std::string_view text;
    int number = 0;
};

// The lines of a game file as the game reads them: each ended by CR LF. A NUL byte, a CR that
// no LF follows, a line ended by LF alone and a last line without its CR LF are findings (the
// last only when `lastLineEnded` is set); the lines are split at LF all the same, so the
// rules after this one see the lines a reader would.
std::vector<GameLine> SplitGameLines(std::string_view bytes, const std::string& file,
                                     FindingList& findings, bool lastLineEnded = true);
// The same findings, for a text read otherwise (the block syntax): no list of lines is kept.
void CheckGameLines(std::string_view bytes, const std::string& file, FindingList& findings);

// The fields of a table row, split at every ";".
std::vector<std::string_view> SplitFields(std::string_view row);
// The same into `fields`, whose room is kept from row to row.
void SplitFields(std::string_view row, std::vector<std::string_view>& fields);

// What a row holds beyond the fields read one by one: the count of all its fields and the last.
struct FieldsHead {
    std::size_t count = 0;
    std::string_view last;
};
// The first `wanted` (at least 1) fields of a row into `fields` (fewer when the row has fewer);
// the others are only counted, as long rows are read for their first fields.
FieldsHead SplitLeadingFields(std::string_view row, std::size_t wanted,
                              std::vector<std::string_view>& fields);

// How many bytes of the text are `byte`, eight at a time.
std::size_t CountByte(std::string_view bytes, char byte);

}  // namespace tq3
