#include "verify/GameLines.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tq3 {

namespace {
// A guess at the length of a line, to reserve the list of lines once.
constexpr std::size_t ExpectedLineLength = 32;

// Reports the bytes of one line that the game's text cannot hold: NUL, and CR inside it.
void CheckLineBytes(std::string_view text, const std::string& file, int number,
                    FindingList& findings) {
    if (text.find('\0') != std::string_view::npos)
        findings.Add(file, number, "the line holds a NUL byte");
    if (text.find('\r') != std::string_view::npos)
        findings.Add(file, number, "the line holds a CR that no LF follows");
}

// The tables are searched eight bytes at a time, in one 64-bit word.
constexpr std::size_t WordBytes = sizeof(std::uint64_t);
constexpr std::uint64_t Ones = 0x0101010101010101ULL;
// The lowest bit of a word is its first byte's.
static_assert(std::endian::native == std::endian::little);

// The high bit of each of the eight bytes at `at` that equals `byte`, no other bit.
std::uint64_t BytesEqual(const char* at, char byte) {
    constexpr std::uint64_t Low7 = 0x7f7f7f7f7f7f7f7fULL, High = 0x8080808080808080ULL;
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    word ^= Ones * static_cast<unsigned char>(byte);  // the bytes sought are now zero
    // A byte's high bit is clear here exactly when the byte is zero (no carry crosses bytes).
    return ~(((word & Low7) + Low7) | word) & High;
}
}  // namespace

std::size_t CountByte(std::string_view bytes, char byte) {
    constexpr std::uint64_t EvenLanes = 0x00ff00ff00ff00ffULL;
    constexpr std::uint64_t Lanes16 = 0x0001000100010001ULL;
    // A byte lane counts at most 255 finds: the lanes are summed after as many words.
    constexpr std::size_t MaxWordsPerSum = 255;
    std::size_t count = 0, at = 0;
    while (at + WordBytes <= bytes.size()) {
        std::uint64_t lanes = 0;  // in each byte: how many of that place in the words matched
        for (std::size_t words = 0; words < MaxWordsPerSum && at + WordBytes <= bytes.size();
             ++words, at += WordBytes)
            lanes += BytesEqual(bytes.data() + at, byte) >> 7;
        // Eight byte lanes into four of 16 bits, then summed into the top 16 bits.
        const std::uint64_t pairs = (lanes & EvenLanes) + ((lanes >> 8) & EvenLanes);
        count += static_cast<std::size_t>((pairs * Lanes16) >> 48);
    }
    return count + static_cast<std::size_t>(std::count(bytes.begin() + at, bytes.end(), byte));
}

namespace {

// The lines that hold a NUL or a CR inside them, in order.
void BadBytesByLine(std::string_view bytes, const std::string& file, FindingList& findings) {
    std::size_t start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        const std::size_t lf = std::min(bytes.find('\n', start), bytes.size());
        const bool crlf = lf < bytes.size() && lf > start && bytes[lf - 1] == '\r';
        CheckLineBytes(bytes.substr(start, lf - start - (crlf ? 1 : 0)), file, number, findings);
        start = lf + 1;
    }
}

// Walks the lines of `bytes` as the game reads them, handing each to `take` and reporting the
// faults of their ends and bytes.
template <typename TakeLine>
void WalkGameLines(std::string_view bytes, const std::string& file, FindingList& findings,
                   bool lastLineEnded, TakeLine take) {
    // Most texts hold neither NUL nor a CR outside a line end: then no line is searched for them.
    const bool nul = bytes.find('\0') != std::string_view::npos;
    std::size_t crs = 0;  // CRs are searched one by one: a table has one a line
    for (std::size_t cr = bytes.find('\r'); cr != std::string_view::npos;
         cr = bytes.find('\r', cr + 1))
        ++crs;
    std::size_t lineEndCrs = 0;
    std::size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
        ++number;
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            if (lastLineEnded) findings.Add(file, number, "the last line does not end with CR LF");
            take(GameLine{bytes.substr(start), number});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        lineEndCrs += crlf ? 1 : 0;
        if (!crlf) findings.Add(file, number, "the line ends with LF alone, not CR LF");
        take(GameLine{bytes.substr(start, lf - start - (crlf ? 1 : 0)), number});
        start = lf + 1;
    }
    if (nul || crs != lineEndCrs) BadBytesByLine(bytes, file, findings);
}
}  // namespace

std::vector<GameLine> SplitGameLines(std::string_view bytes, const std::string& file,
                                     FindingList& findings, bool lastLineEnded) {
    std::vector<GameLine> lines;
    lines.reserve(bytes.size() / ExpectedLineLength);
    WalkGameLines(bytes, file, findings, lastLineEnded,
                  [&](const GameLine& line) { lines.push_back(line); });
    return lines;
}

void CheckGameLines(std::string_view bytes, const std::string& file, FindingList& findings) {
    WalkGameLines(bytes, file, findings, true, [](const GameLine&) {});
}

void SplitFields(std::string_view row, std::vector<std::string_view>& fields) {
    // Fields are short: a plain walk beats a search per field.
    fields.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != ';') continue;
        fields.push_back(row.substr(start, i - start));
        start = i + 1;
    }
    fields.push_back(row.substr(start));
}

FieldsHead SplitLeadingFields(std::string_view row, std::size_t wanted,
                              std::vector<std::string_view>& fields) {
    fields.resize(wanted);
    std::size_t found = 0, start = 0, i = 0;
    // The fields before the last wanted one, each ended by ";": eight bytes at a time, then
    // byte by byte.
    for (; i + WordBytes <= row.size() && found + 1 < wanted; i += WordBytes) {
        for (std::uint64_t semicolons = BytesEqual(row.data() + i, ';');
             semicolons != 0 && found + 1 < wanted; semicolons &= semicolons - 1) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(semicolons)) / 8;
            fields[found++] = {row.data() + start, at - start};
            start = at + 1;
        }
    }
    for (; i < row.size() && found + 1 < wanted; ++i) {
        if (row[i] != ';') continue;
        fields[found++] = row.substr(start, i - start);
        start = i + 1;
    }
    const std::string_view rest = row.substr(start);
    if (found + 1 < wanted) {
        fields[found++] = rest;
        fields.resize(found);
        return {found, rest};
    }
    // The fields beyond the wanted ones are only counted.
    fields[found] = rest.substr(0, rest.find(';'));
    const std::size_t lastSemicolon = rest.rfind(';');
    return {wanted + CountByte(rest, ';'),
            lastSemicolon == std::string_view::npos ? rest : rest.substr(lastSemicolon + 1)};
}

std::vector<std::string_view> SplitFields(std::string_view row) {
    std::vector<std::string_view> fields;
    fields.reserve(static_cast<std::size_t>(std::count(row.begin(), row.end(), ';')) + 1);
    SplitFields(row, fields);
    return fields;
}

}  // namespace tq3
