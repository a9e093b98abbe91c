#include "base/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "base/GamePath.h"
#include "base/Numbers.h"
#include "base/Platform.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
const std::string kQuote = "\"";

bool Fail(Dialogs& dialogs, const std::string& message) {
    dialogs.Error(message);
    return false;
}

// Writes the whole content to a temporary file beside `target` and renames it over the target.
bool ReplaceFile(Dialogs& dialogs, const std::string& target, const std::string& content,
                 const char* verb) {
    TemporaryFile file;
    if (file.Open(target, verb) && file.Write(content) && file.Commit()) return true;
    return Fail(dialogs, file.Error());
}
}  // namespace

namespace {
template <class T>
void Split(std::string_view text, std::span<T> list, int lastIndex,
           T (*convert)(std::string_view)) {
    const int last = std::min(lastIndex, static_cast<int>(list.size()) - 1);
    std::size_t start = 0;
    for (int i = 0; i <= last; ++i) {
        const std::size_t semi = text.find(';', start);
        const std::size_t end = semi == std::string_view::npos ? text.size() : semi;
        list[i] = convert(text.substr(start, std::min(end - start, MaxListElement)));
        if (semi == std::string_view::npos) break;
        start = semi + 1;
    }
}

std::string AsString(std::string_view piece) {
    return std::string(piece);
}
int16_t AsShort(std::string_view piece) {
    return Low16(ParseInteger(TrimView(piece)));
}
uint8_t AsByte(std::string_view piece) {
    return static_cast<uint8_t>(ParseInteger(TrimView(piece)));
}
}  // namespace

bool ReadWholeFile(Dialogs& dialogs, const std::string& fileName, std::string& text,
                   std::uint64_t limit) {
    const std::string name = AbsolutePath(fileName);
    // Looked at before it is opened: opening a FIFO would wait for a writer.
    FileState state = LookAt(name);
    if (state.kind == FileKind::Missing && state.problem.empty()) {
        dialogs.Error("File: " + kQuote + name + kQuote + "does not exist!");
        return false;
    }
    const std::string cannotRead = "Cannot read file: " + kQuote + name + kQuote + " !";
    if (state.kind == FileKind::Missing)
        return Fail(dialogs,
                    "Cannot open file: " + kQuote + name + kQuote + " ! (" + state.problem + ")");
    if (state.kind == FileKind::Folder) return Fail(dialogs, cannotRead + " (it is a folder)");
    if (state.kind != FileKind::Regular)
        return Fail(dialogs, cannotRead + " (it is not a regular file)");
    if (state.size > limit)
        return Fail(dialogs, cannotRead + " (it holds " + std::to_string(state.size) +
                                 " bytes; at most " + std::to_string(limit) + " are read)");
    std::FILE* file = OpenFile(name, "rb");
    if (file == nullptr) return Fail(dialogs, "Cannot open file: " + kQuote + name + kQuote + " !");
    // The file is closed on every way out.
    struct Closer {
        std::FILE* file;
        ~Closer() { std::fclose(file); }
    } closer{file};
    // The size of what was opened (the name may have changed since it was looked at).
    state = LookAt(name);
    if (state.kind != FileKind::Regular || state.size > limit) return Fail(dialogs, cannotRead);
    const auto size = static_cast<std::size_t>(state.size);
    std::string buffer;
    try {
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        return Fail(dialogs, "Cannot alocate " + std::to_string(size) + " bytes !");
    } catch (const std::length_error&) {
        return Fail(dialogs, "Cannot alocate " + std::to_string(size) + " bytes !");
    }
    const std::size_t done = size == 0 ? 0 : std::fread(buffer.data(), 1, size, file);
    if (done != size && std::ferror(file))
        return Fail(dialogs, "Cannot read file: " + kQuote + name + kQuote + " !");
    if (done != size)
        return Fail(dialogs, "Cannot read whole content of file: " + kQuote + name + kQuote + " !");
    text = std::move(buffer);
    return true;
}

bool WriteWholeFile(Dialogs& dialogs, const std::string& fileName, const std::string& text,
                    bool append) {
    const std::string name = AbsolutePath(fileName);
    if (append && FileExists(name)) {
        std::string old;
        QuietDialogs quiet;
        if (!ReadWholeFile(quiet, name, old))
            return Fail(dialogs, "Cannot append file " + kQuote + name + kQuote + " on disk !");
        return ReplaceFile(dialogs, name, old + text, "append");
    }
    return ReplaceFile(dialogs, name, text, append ? "append" : "create");
}

bool NormalizeLineFeeds(std::string& text) {
    if (text.find('\n') == std::string::npos || text.find("\r\n") != std::string::npos)
        return false;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    text = std::move(out);
    return true;
}

int FirstBareLineFeed(const std::string& text) {
    // Jumps from line feed to line feed; the lines between are not looked at.
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    int line = 1;
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr; ++at) {
        if (at == begin || at[-1] != '\r') return line;
        ++line;
    }
    return 0;
}

bool ReadTextFile(Dialogs& dialogs, const std::string& name, std::string& text) {
    if (!ReadWholeFile(dialogs, name, text)) return false;
    if (NormalizeLineFeeds(text)) return true;
    if (const int line = FirstBareLineFeed(text); line > 0)
        dialogs.Problem(AbsolutePath(name), line,
                        "the line ends with a line feed alone while other lines end with CR LF; "
                        "it is read together with the next line");
    return true;
}

std::string Trim(const std::string& text) {
    return std::string(TrimView(text));
}

SettingLine FindSettingLine(const std::string& settingsText, const std::string& key) {
    SettingLine result;
    const std::size_t at = settingsText.find("\r\n" + key + ";");
    if (at == std::string::npos) return result;
    result.start = at + 2;
    std::size_t end = settingsText.find("\r\n", result.start);
    if (end == std::string::npos) end = settingsText.size();
    end = std::min(end, result.start + MaxLineLength);
    result.end = end;
    result.line = settingsText.substr(result.start, end - result.start);
    result.found = true;
    return result;
}

std::string_view ReadNextLineView(LineCursor& cursor) {
    if (cursor.done) return {};
    const std::string_view text = *cursor.text;
    ++cursor.lineNumber;
    const std::size_t crlf = text.find("\r\n", cursor.pos);
    const std::size_t end = crlf == std::string_view::npos ? text.size() : crlf;
    // An over-long line gives its first 1200 characters; the rest of it is skipped.
    if (end - cursor.pos > MaxLineLength) {
        const std::string_view line = text.substr(cursor.pos, MaxLineLength);
        cursor.pos = std::min(text.size(), cursor.pos + MaxLineLength + 2);
        return line;
    }
    const std::string_view line = text.substr(cursor.pos, end - cursor.pos);
    if (crlf == std::string_view::npos) {
        cursor.pos = text.size();
        cursor.done = true;
    } else {
        cursor.pos = crlf + 2;
    }
    return line;
}

std::string ReadNextLine(LineCursor& cursor) {
    return std::string(ReadNextLineView(cursor));
}

std::string_view FirstValueView(std::string_view line) {
    const std::size_t first = line.find(';');
    if (first == std::string_view::npos) return {};
    const std::size_t second = line.find(';', first + 1);
    const std::size_t end = second == std::string_view::npos ? line.size() : second;
    return TrimView(line.substr(first + 1, end - first - 1));
}

std::string FirstValueOf(std::string_view line) {
    return std::string(FirstValueView(line));
}

std::string_view ValuesView(std::string_view line) {
    const std::size_t first = line.find(';');
    if (first == std::string_view::npos) return {};
    return TrimView(line.substr(first + 1));
}

std::string ValuesOf(std::string_view line) {
    return std::string(ValuesView(line));
}

int IntValueOf(std::string_view line) {
    if (line.find(';') == std::string_view::npos) return -1;
    return ParseInteger(FirstValueView(line));
}

bool BoolValueOf(std::string_view line) {
    return IntValueOf(line) != 0;
}

void SplitStrings(std::string_view text, std::span<std::string> list, int lastIndex) {
    Split<std::string>(text, list, lastIndex, &AsString);
}

void SplitShorts(std::string_view text, std::span<int16_t> list, int lastIndex) {
    Split<int16_t>(text, list, lastIndex, &AsShort);
}

void SplitBytes(std::string_view text, std::span<uint8_t> list, int lastIndex) {
    Split<uint8_t>(text, list, lastIndex, &AsByte);
}

}  // namespace tq3
