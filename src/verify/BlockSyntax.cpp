#include "verify/BlockSyntax.h"

#include <deque>
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

// Splits the lines into tokens; a quoted text runs on over line ends up to its closing quote.
class Tokens {
  public:
    Tokens(const std::vector<GameLine>& lines, const std::string& file, FindingList& findings)
        : lines_(lines), file_(file), findings_(findings) {}

    std::optional<Token> Peek(int ahead = 0) {
        while (static_cast<int>(buffered_.size()) <= ahead) {
            std::optional<Token> t = Read();
            if (!t) return std::nullopt;
            buffered_.push_back(*t);
        }
        return buffered_[ahead];
    }
    std::optional<Token> Next() {
        std::optional<Token> t = Peek();
        if (t) buffered_.pop_front();
        return t;
    }

  private:
    static bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
    static bool Special(char c) { return c == '{' || c == '}' || c == '=' || c == '"'; }

    std::optional<Token> Read() {
        while (row_ < lines_.size()) {
            const std::string_view text = lines_[row_].text;
            while (col_ < text.size() && Blank(text[col_])) ++col_;
            if (col_ == text.size()) {
                ++row_, col_ = 0;
                continue;
            }
            const int line = lines_[row_].number;
            const char c = text[col_];
            if (c == '"') return ReadQuoted();
            if (Special(c)) {
                ++col_;
                const TokenKind kind = c == '{'   ? TokenKind::Open
                                       : c == '}' ? TokenKind::Close
                                                  : TokenKind::Equals;
                return Token{kind, text.substr(col_ - 1, 1), line};
            }
            const std::size_t start = col_;
            while (col_ < text.size() && !Blank(text[col_]) && !Special(text[col_])) ++col_;
            return Token{TokenKind::Word, text.substr(start, col_ - start), line};
        }
        return std::nullopt;
    }

    // From the opening quote to the closing one, over as many lines as it takes.
    std::optional<Token> ReadQuoted() {
        const int line = lines_[row_].number;
        const char* begin = lines_[row_].text.data() + col_ + 1;
        ++col_;
        while (row_ < lines_.size()) {
            const std::string_view text = lines_[row_].text;
            const std::size_t close = text.find('"', col_);
            if (close != std::string_view::npos) {
                const char* end = text.data() + close;
                col_ = close + 1;
                return Token{TokenKind::Quoted,
                             std::string_view(begin, static_cast<std::size_t>(end - begin)), line};
            }
            ++row_, col_ = 0;
        }
        findings_.Add(file_, line, "the quoted text opened here is never closed");
        return std::nullopt;
    }

    const std::vector<GameLine>& lines_;
    const std::string& file_;
    FindingList& findings_;
    std::size_t row_ = 0, col_ = 0;
    std::deque<Token> buffered_;
};

BlockItem ValueItem(std::string_view key, int line, std::string_view value, bool quoted) {
    BlockItem item;
    item.key = key;
    item.line = line;
    item.value = value;
    item.quoted = quoted;
    return item;
}

class Parser {
  public:
    Parser(Tokens& tokens, const std::string& file, FindingList& findings)
        : tokens_(tokens), file_(file), findings_(findings) {}

    // The items up to the "}" that closes the block opened at `openLine` (0: the whole text).
    std::vector<BlockItem> Items(int depth, int openLine) {
        std::vector<BlockItem> items;
        while (std::optional<Token> t = tokens_.Next()) {
            if (t->kind == TokenKind::Close) {
                if (depth > 0) return items;
                findings_.Add(file_, t->line, "this } closes no block");
            } else if (t->kind == TokenKind::Equals) {
                findings_.Add(file_, t->line, "this = follows no key");
            } else if (t->kind == TokenKind::Open) {
                items.push_back(Block({}, t->line, depth));
            } else {
                items.push_back(Item(*t, depth));
            }
        }
        if (depth > 0) findings_.Add(file_, openLine, "the block opened here is never closed");
        return items;
    }

  private:
    BlockItem Block(std::string_view key, int line, int depth) {
        BlockItem block = ValueItem(key, line, {}, false);
        block.isBlock = true;
        if (depth + 1 > MaxDepth) {
            findings_.Add(file_, line, "blocks are nested deeper than the game's files go");
            SkipBlock(line);
        } else {
            block.items = Items(depth + 1, line);
        }
        return block;
    }

    // A word or quoted text: a key when "=" follows it, else a bare value.
    BlockItem Item(const Token& first, int depth) {
        const bool quoted = first.kind == TokenKind::Quoted;
        const std::optional<Token> next = tokens_.Peek();
        if (!next || next->kind != TokenKind::Equals)
            return ValueItem({}, first.line, first.text, quoted);
        tokens_.Next();
        const std::optional<Token> value = tokens_.Peek();
        if (value && value->kind == TokenKind::Open) {
            tokens_.Next();
            return Block(first.text, first.line, depth);
        }
        // "key =" before a "}", the end, or the next "key =" has an empty value.
        const std::optional<Token> after = tokens_.Peek(1);
        if (!value || value->kind == TokenKind::Close || value->kind == TokenKind::Equals ||
            (after && after->kind == TokenKind::Equals))
            return ValueItem(first.text, first.line, {}, false);
        tokens_.Next();
        return ValueItem(first.text, first.line, value->text, value->kind == TokenKind::Quoted);
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
};
}  // namespace

std::vector<const BlockItem*> BlockItem::All(std::string_view wanted) const {
    std::vector<const BlockItem*> found;
    for (const BlockItem& item : items)
        if (item.key == wanted) found.push_back(&item);
    return found;
}

const BlockItem* BlockItem::Find(std::string_view wanted) const {
    for (const BlockItem& item : items)
        if (item.key == wanted) return &item;
    return nullptr;
}

std::vector<BlockItem> ParseBlocks(const std::vector<GameLine>& lines, const std::string& file,
                                   FindingList& findings) {
    Tokens tokens(lines, file, findings);
    Parser parser(tokens, file, findings);
    return parser.Items(0, 0);
}

}  // namespace tq3
