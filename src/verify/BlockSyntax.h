#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "verify/Finding.h"
#include "verify/GameLines.h"

namespace tq3 {

struct BlockItem;

// The items of one block, in order: a view into the tree's list, where each item is followed
// by everything inside it.
class BlockItems {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = BlockItem;
        using difference_type = std::ptrdiff_t;
        using pointer = const BlockItem*;
        using reference = const BlockItem&;
        Iterator() = default;
        explicit Iterator(const BlockItem* at) : at_(at) {}
        const BlockItem& operator*() const { return *at_; }
        const BlockItem* operator->() const { return at_; }
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const BlockItem* at_ = nullptr;
    };

    BlockItems() = default;
    BlockItems(const BlockItem* first, const BlockItem* end) : first_(first), end_(end) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(end_); }
    bool empty() const { return first_ == end_; }

  private:
    const BlockItem* first_ = nullptr;
    const BlockItem* end_ = nullptr;
};

// One item of the game's block syntax (scenario files, Revolt.txt): `key = value`,
// `key = { items }`, or a bare value inside a list such as `{ 1 2 3 }`.
struct BlockItem {
    std::string_view key;      // empty for a bare value
    std::string_view value;    // a word, or a quoted text without its quotes; empty for a block
    int line = 0;              // where the item begins
    std::uint32_t inside = 0;  // how many items follow inside this one, at every depth
    bool quoted = false;
    bool isBlock = false;

    // The block's content.
    BlockItems items() const { return {this + 1, this + 1 + inside}; }
    // The items of this block with `key`, in order.
    std::vector<const BlockItem*> All(std::string_view key) const;
    // The first item with `key`, or nothing.
    const BlockItem* Find(std::string_view key) const;
};

inline BlockItems::Iterator& BlockItems::Iterator::operator++() {
    at_ += 1 + at_->inside;
    return *this;
}

// Inline, as the rules look keys up by literal names many thousand times a run.
inline const BlockItem* BlockItem::Find(std::string_view wanted) const {
    for (const BlockItem& item : items())
        if (item.key == wanted) return &item;
    return nullptr;
}

// The items of a whole text in one list, each block followed by its content.
struct BlockTree {
    std::vector<BlockItem> all;

    BlockItems items() const { return {all.data(), all.data() + all.size()}; }
};

// Reads the items of a whole text (its line ends checked by SplitGameLines). A brace that closes
// nothing, a block or quoted text never closed, a "=" without a key and blocks nested beyond any
// the game writes are findings; the items read up to such a fault are kept.
BlockTree ParseBlocks(std::string_view text, const std::string& file, FindingList& findings);

}  // namespace tq3
