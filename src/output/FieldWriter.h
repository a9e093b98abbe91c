#pragma once

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "output/TextFormat.h"

namespace tq3 {

// Writes the ";"-ended fields of table lines straight into a text. Room is made in large
// steps, so a field costs a copy and one compare instead of a string append.
class FieldWriter {
  public:
    explicit FieldWriter(std::string& out) : out_(out), at_(out.size()) {}
    ~FieldWriter() { out_.resize(at_); }
    FieldWriter(const FieldWriter&) = delete;
    FieldWriter& operator=(const FieldWriter&) = delete;

    // Bytes written into the text so far, counted from its start.
    std::size_t Size() const { return at_; }

    void Field(std::string_view value) {
        Room(value.size() + 1);
        std::memcpy(out_.data() + at_, value.data(), value.size());
        at_ += value.size();
        out_[at_++] = ';';
    }
    void Field(int value) {
        Room(kLongestInt + 1);
        at_ = static_cast<std::size_t>(
            std::to_chars(out_.data() + at_, out_.data() + out_.size(), value).ptr - out_.data());
        out_[at_++] = ';';
    }
    // "whole.tenth", as the Tenths field of TextFormat writes it.
    void Field(Tenths tenths) {
        Room(2 * kLongestInt + 2);
        char* p = out_.data() + at_;
        char* const end = out_.data() + out_.size();
        p = std::to_chars(p, end, tenths.value / 10).ptr;
        *p++ = '.';
        p = std::to_chars(p, end, std::abs(tenths.value % 10)).ptr;
        *p++ = ';';
        at_ = static_cast<std::size_t>(p - out_.data());
    }
    // Text without a ";" after it, such as the tail of a line and its CR LF.
    void Text(std::string_view value) {
        Room(value.size());
        std::memcpy(out_.data() + at_, value.data(), value.size());
        at_ += value.size();
    }

  private:
    static constexpr std::size_t kLongestInt = 11;  // "-2147483648"

    void Room(std::size_t bytes) {
        if (at_ + bytes > out_.size()) out_.resize(std::max(2 * out_.size(), at_ + bytes + 4096));
    }

    std::string& out_;
    std::size_t at_;  // where the next byte goes; the text beyond it is room
};

}  // namespace tq3
