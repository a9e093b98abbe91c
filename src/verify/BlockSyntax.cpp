#include "verify/BlockSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tq3 {

namespace {
// Deeper than any block the game's files nest (a leader's id inside a unit inside a country).
constexpr int MaxDepth = 16;
// Bytes per item of a scenario or Revolt.txt ("key = value", a list's numbers) at the least.
constexpr std::size_t BytesPerItem = 6;

// The classes of bytes. Every class from Blank on is skipped between tokens; End is no byte's:
// it stands for the end of the text.
enum class CharClass : uint8_t { Open, Close, Equals, Word, Quote, Blank, LineFeed, End };

// The class of every byte: blanks (a CR among them: its line end is checked elsewhere), the
// line feed that counts lines, and the four characters of the syntax.
constexpr std::array<CharClass, 256> CharClasses = [] {
    std::array<CharClass, 256> classes{};
    classes.fill(CharClass::Word);
    classes[' '] = classes['\t'] = classes['\r'] = CharClass::Blank;
    classes['\n'] = CharClass::LineFeed;
    classes['{'] = CharClass::Open;
    classes['}'] = CharClass::Close;
    classes['='] = CharClass::Equals;
    classes['"'] = CharClass::Quote;
    return classes;
}();

// A word or a quoted text (without its quotes), and the line it begins on.
struct TextToken {
    std::string_view text;
    int line = 0;
    bool quoted = false;
};

// Reads the items of a text in one pass over its bytes, appending each to the tree's list as it
// is read. Between tokens it skips blanks and counts lines; a quoted text runs on over line
// ends up to its closing quote. Nothing is read past the text.
class Parser {
  public:
    Parser(std::string_view text, const std::string& file, FindingList& findings)
        : at_(text.data()), end_(text.data() + text.size()), file_(file), findings_(findings) {
        // Room for the items of a text as the game's files are written: the list grows rarely.
        tree_.all.reserve(text.size() / BytesPerItem);
    }

    BlockTree Tree() {
        Items(0, 0);
        return std::move(tree_);
    }

  private:
    static CharClass Class(char c) { return CharClasses[static_cast<unsigned char>(c)]; }

    // Skips blanks and line ends up to the next token; gives the class of its first byte.
    CharClass Skip() {
        for (; at_ != end_; ++at_) {
            const CharClass c = Class(*at_);
            if (c < CharClass::Blank) return c;
            line_ += c == CharClass::LineFeed ? 1 : 0;
        }
        return CharClass::End;
    }

    // The word or quoted text that begins here (its class `c`). A quoted text never closed is
    // a finding and ends the reading: gives false then.
    bool ReadText(CharClass c, TextToken& token) {
        token.line = line_;
        token.quoted = c == CharClass::Quote;
        if (token.quoted) {
            const auto* close = static_cast<const char*>(
                std::memchr(at_ + 1, '"', static_cast<std::size_t>(end_ - at_ - 1)));
            if (!close) {
                findings_.Add(file_, line_, "the quoted text opened here is never closed");
                at_ = end_;
                return false;
            }
            token.text = {at_ + 1, static_cast<std::size_t>(close - at_ - 1)};
            line_ += static_cast<int>(std::count(token.text.begin(), token.text.end(), '\n'));
            at_ = close + 1;
            return true;
        }
        const char* const start = at_++;
        while (at_ != end_ && Class(*at_) == CharClass::Word) ++at_;
        token.text = {start, static_cast<std::size_t>(at_ - start)};
        return true;
    }

    // The items up to the "}" that closes the block opened at `openLine` (0: the whole text).
    void Items(int depth, int openLine) {
        for (CharClass c = Skip(); c != CharClass::End; c = Skip()) {
            if (c == CharClass::Close) {
                ++at_;
                if (depth > 0) return;
                findings_.Add(file_, line_, "this } closes no block");
            } else if (c == CharClass::Equals) {
                ++at_;
                findings_.Add(file_, line_, "this = follows no key");
            } else if (c == CharClass::Open) {
                ++at_;
                Block({}, line_, depth);
            } else {
                TextToken first;
                if (!ReadText(c, first)) break;
                Item(first, depth);
            }
        }
        if (depth > 0) findings_.Add(file_, openLine, "the block opened here is never closed");
    }

    void Add(std::string_view key, int line, std::string_view value, bool quoted) {
        BlockItem& item = tree_.all.emplace_back();
        item.key = key;
        item.line = line;
        item.value = value;
        item.quoted = quoted;
    }

    void Block(std::string_view key, int line, int depth) {
        const std::size_t at = tree_.all.size();
        Add(key, line, {}, false);
        tree_.all[at].isBlock = true;
        if (depth + 1 > MaxDepth) {
            findings_.Add(file_, line, "blocks are nested deeper than the game's files go");
            SkipBlock(line);
            return;
        }
        Items(depth + 1, line);
        tree_.all[at].inside = static_cast<std::uint32_t>(tree_.all.size() - at - 1);
    }

    // A word or quoted text: a key when "=" follows it, else a bare value.
    void Item(TextToken first, int depth) {
        for (;;) {
            if (Skip() != CharClass::Equals) return Add({}, first.line, first.text, first.quoted);
            ++at_;
            const CharClass c = Skip();
            if (c == CharClass::Open) {
                ++at_;
                return Block(first.text, first.line, depth);
            }
            TextToken value;
            if (c == CharClass::End || c == CharClass::Close || c == CharClass::Equals ||
                !ReadText(c, value))
                return Add(first.text, first.line, {}, false);
            if (Skip() != CharClass::Equals)
                return Add(first.text, first.line, value.text, value.quoted);
            // "key =" before the next "key =" has an empty value; the word read is that key.
            Add(first.text, first.line, {}, false);
            first = value;
        }
    }

    void SkipBlock(int openLine) {
        int open = 1;
        for (CharClass c = Skip(); c != CharClass::End; c = Skip()) {
            TextToken skipped;
            if (c == CharClass::Word || c == CharClass::Quote) {
                if (!ReadText(c, skipped)) break;
                continue;
            }
            ++at_;
            if (c == CharClass::Open) ++open;
            if (c == CharClass::Close && --open == 0) return;
        }
        findings_.Add(file_, openLine, "the block opened here is never closed");
    }

    const char* at_;
    const char* const end_;
    int line_ = 1;
    const std::string& file_;
    FindingList& findings_;
    BlockTree tree_;
};
}  // namespace

std::vector<const BlockItem*> BlockItem::All(std::string_view wanted) const {
    std::vector<const BlockItem*> found;
    for (const BlockItem& item : items())
        if (item.key == wanted) found.push_back(&item);
    return found;
}

BlockTree ParseBlocks(std::string_view text, const std::string& file, FindingList& findings) {
    Parser parser(text, file, findings);
    return parser.Tree();
}

}  // namespace tq3
