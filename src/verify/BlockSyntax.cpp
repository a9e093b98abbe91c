#include "verify/BlockSyntax.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace tq3 {

namespace {
// Deeper than any block the game's files nest (a leader's id inside a unit inside a country).
constexpr int MaxDepth = 16;

enum class TokenKind { Open, Close, Equals, Word, Quoted };

struct Token {
    TokenKind kind;
    std::string_view text;
    int line = 0;
};

enum class CharClass : uint8_t { Word, Blank, LineFeed, Special };

// The class of every byte: blanks (a CR among them: its line end is checked elsewhere), the
// line feed that counts lines, and the four characters of the syntax.
constexpr std::array<CharClass, 256> CharClasses = [] {
    std::array<CharClass, 256> classes{};
    classes[' '] = classes['\t'] = classes['\r'] = CharClass::Blank;
    classes['\n'] = CharClass::LineFeed;
    classes['{'] = classes['}'] = classes['='] = classes['"'] = CharClass::Special;
    return classes;
}();

// Splits the text into tokens as the parser asks for them, looking at most one token beyond
// the next; a quoted text runs on over line ends up to its closing quote.
class Tokens {
  public:
    Tokens(std::string_view text, const std::string& file, FindingList& findings)
        : text_(text), file_(file), findings_(findings) {}

    const Token* Peek(std::size_t ahead = 0) {
        while (buffered_ <= ahead) {
            if (!Read(ahead_[buffered_])) return nullptr;
            ++buffered_;
        }
        return &ahead_[ahead];
    }
    std::optional<Token> Next() {
        const Token* t = Peek();
        if (!t) return std::nullopt;
        const Token next = *t;
        ahead_[0] = ahead_[1];
        --buffered_;
        return next;
    }

  private:
    static CharClass Class(char c) { return CharClasses[static_cast<unsigned char>(c)]; }

    bool Read(Token& token) {
        const std::size_t size = text_.size();
        while (pos_ < size) {
            const CharClass c = Class(text_[pos_]);
            if (c == CharClass::Blank) {
                ++pos_;
            } else if (c == CharClass::LineFeed) {
                ++pos_, ++line_;
            } else {
                break;
            }
        }
        if (pos_ >= size) return false;
        const char c = text_[pos_];
        token.line = line_;
        if (c == '"') return ReadQuoted(token);
        if (Class(c) == CharClass::Special) {
            token.kind = c == '{'   ? TokenKind::Open
                         : c == '}' ? TokenKind::Close
                                    : TokenKind::Equals;
            token.text = text_.substr(pos_++, 1);
            return true;
        }
        const std::size_t start = pos_;
        while (pos_ < size && Class(text_[pos_]) == CharClass::Word) ++pos_;
        token.kind = TokenKind::Word;
        token.text = text_.substr(start, pos_ - start);
        return true;
    }

    // From the opening quote to the closing one, over as many lines as it takes.
    bool ReadQuoted(Token& token) {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            findings_.Add(file_, line_, "the quoted text opened here is never closed");
            pos_ = text_.size();
            return false;
        }
        token.kind = TokenKind::Quoted;
        token.text = text_.substr(pos_ + 1, close - pos_ - 1);
        line_ += static_cast<int>(std::count(token.text.begin(), token.text.end(), '\n'));
        pos_ = close + 1;
        return true;
    }

    std::string_view text_;
    const std::string& file_;
    FindingList& findings_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token ahead_[2] = {};
    std::size_t buffered_ = 0;
};

class Parser {
  public:
    Parser(Tokens& tokens, const std::string& file, FindingList& findings)
        : tokens_(tokens), file_(file), findings_(findings) {}

    // The items up to the "}" that closes the block opened at `openLine` (0: the whole text),
    // each appended to the tree's list as it is read.
    void Items(int depth, int openLine) {
        while (std::optional<Token> t = tokens_.Next()) {
            if (t->kind == TokenKind::Close) {
                if (depth > 0) return;
                findings_.Add(file_, t->line, "this } closes no block");
            } else if (t->kind == TokenKind::Equals) {
                findings_.Add(file_, t->line, "this = follows no key");
            } else if (t->kind == TokenKind::Open) {
                Block({}, t->line, depth);
            } else {
                Item(*t, depth);
            }
        }
        if (depth > 0) findings_.Add(file_, openLine, "the block opened here is never closed");
    }

    BlockTree Tree() {
        Items(0, 0);
        return std::move(tree_);
    }

  private:
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
    void Item(const Token& first, int depth) {
        const bool quoted = first.kind == TokenKind::Quoted;
        const Token* next = tokens_.Peek();
        if (!next || next->kind != TokenKind::Equals)
            return Add({}, first.line, first.text, quoted);
        tokens_.Next();
        const Token* value = tokens_.Peek();
        if (value && value->kind == TokenKind::Open) {
            tokens_.Next();
            return Block(first.text, first.line, depth);
        }
        // "key =" before a "}", the end, or the next "key =" has an empty value.
        const Token* after = tokens_.Peek(1);
        if (!value || value->kind == TokenKind::Close || value->kind == TokenKind::Equals ||
            (after && after->kind == TokenKind::Equals))
            return Add(first.text, first.line, {}, false);
        const Token taken = *tokens_.Next();
        Add(first.text, first.line, taken.text, taken.kind == TokenKind::Quoted);
    }

    void SkipBlock(int openLine) {
        int open = 1;
        while (std::optional<Token> t = tokens_.Next()) {
            if (t->kind == TokenKind::Open) ++open;
            if (t->kind == TokenKind::Close && --open == 0) return;
        }
        findings_.Add(file_, openLine, "the block opened here is never closed");
    }

    Tokens& tokens_;
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

const BlockItem* BlockItem::Find(std::string_view wanted) const {
    for (const BlockItem& item : items())
        if (item.key == wanted) return &item;
    return nullptr;
}

BlockTree ParseBlocks(std::string_view text, const std::string& file, FindingList& findings) {
    Tokens tokens(text, file, findings);
    Parser parser(tokens, file, findings);
    return parser.Tree();
}

}  // namespace tq3
