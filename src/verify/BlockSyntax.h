#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "verify/Finding.h"
#include "verify/GameLines.h"

namespace tq3 {

// One item of the game's block syntax (scenario files, Revolt.txt): `key = value`,
// `key = { items }`, or a bare value inside a list such as `{ 1 2 3 }`.
struct BlockItem {
    std::string_view key;    // empty for a bare value
    int line = 0;            // where the item begins
    std::string_view value;  // a word, or a quoted text without its quotes; empty for a block
    bool quoted = false;
    bool isBlock = false;
    std::span<const BlockItem> items;  // the block's content
    std::size_t first = 0, count = 0;  // where `items` stand in their tree's list of all items

    // The items of this block with `key`, in order.
    std::vector<const BlockItem*> All(std::string_view key) const;
    // The first item with `key`, or nothing.
    const BlockItem* Find(std::string_view key) const;
};

// The items of a whole text: every item in one list, each block's content one run of it.
struct BlockTree {
    std::vector<BlockItem> all;
    std::span<const BlockItem> items;  // those outside any block

    BlockTree() = default;
    BlockTree(BlockTree&&) = default;
    BlockTree(const BlockTree&) = delete;
};

// Reads the items of a whole text (its line ends checked by SplitGameLines). A brace that closes
// nothing, a block or quoted text never closed, a "=" without a key and blocks nested beyond any
// the game writes are findings; the items read up to such a fault are kept.
BlockTree ParseBlocks(std::string_view text, const std::string& file, FindingList& findings);

}  // namespace tq3
