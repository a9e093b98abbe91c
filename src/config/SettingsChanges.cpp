#include "config/SettingsChanges.h"

#include <array>
#include <cstdint>
#include <type_traits>

#include "base/Numbers.h"
#include "base/SettingLineIndex.h"
#include "base/TextFile.h"

#include "config/SettingsFile.h"

namespace tq3 {

namespace {

std::string Format(bool v) {
    return v ? "1" : "0";
}
std::string Format(int8_t v) {
    return std::to_string(v);
}
std::string Format(int16_t v) {
    return std::to_string(v);
}
std::string Format(uint8_t v) {
    return std::to_string(v);
}
std::string Format(const std::string& v) {
    return v;
}
// A list joined with ";", without the trailing elements a load leaves at their default.
template <class T, std::size_t N>
std::string Format(const std::array<T, N>& list) {
    std::size_t used = N;
    while (used > 0 && list[used - 1] == T{}) --used;
    std::string text;
    for (std::size_t i = 0; i < used; ++i) text += (i ? ";" : "") + Format(list[i]);
    return text;
}

// What a key of each kind takes, for messages.
std::string Takes(const bool&) {
    return "0 or 1";
}
std::string Takes(const int8_t&) {
    return "a whole number from -128 to 127";
}
std::string Takes(const int16_t&) {
    return "a whole number from -32768 to 32767";
}
std::string Takes(const std::string&) {
    return "a text without \";\", line breaks or blanks at its ends";
}
template <std::size_t N>
std::string Takes(const std::array<std::string, N>&) {
    return "up to " + std::to_string(N) +
           " texts of at most 99 characters separated by \";\", without line breaks";
}
template <std::size_t N>
std::string Takes(const std::array<int16_t, N>&) {
    return "up to " + std::to_string(N) + " whole numbers from -32768 to 32767 separated by \";\"";
}
template <std::size_t N>
std::string Takes(const std::array<uint8_t, N>&) {
    return "up to " + std::to_string(N) + " whole numbers from 0 to 255 separated by \";\"";
}

// Calls `visit(key, field, takes)` for every key of the settings file, with the field's text.
template <class Visit>
void VisitFormatted(const TGeneratorSettings& s, Visit&& visit) {
    auto each = [&](const std::string& key, const auto& field, auto... tag) {
        if constexpr (sizeof...(tag) > 0)
            visit(key, Format(field),
                  std::string("a text without line breaks or blanks at its ends"));
        else
            visit(key, Format(field), Takes(field));
    };
    VisitUserSettings(s, each);
    VisitGenerationTables(s, each);
}

}  // namespace

SettingValues ChangedSettings(const TGeneratorSettings& from, const TGeneratorSettings& to) {
    std::vector<std::string> before;
    VisitFormatted(from, [&](const std::string&, std::string text, const std::string&) {
        before.push_back(std::move(text));
    });
    SettingValues changed;
    std::size_t i = 0;
    VisitFormatted(to, [&](const std::string& key, std::string text, const std::string&) {
        if (text != before[i++]) changed.emplace_back(key, std::move(text));
    });
    return changed;
}

std::vector<SettingOutOfRange> SettingsOutOfRange(const TGeneratorSettings& read,
                                                  const std::string& settingsText) {
    const SettingLineIndex lines(settingsText);
    std::vector<SettingOutOfRange> found;
    VisitUserSettings(read, [&](const std::string& key, const auto& field, auto...) {
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, int8_t> || std::is_same_v<Field, int16_t>) {
            const std::string_view written = FirstValueView(lines.Line(key));
            const std::optional<int> value = TryParseInteger(written);
            if (value && *value != field)
                found.push_back({key, std::string(written), Format(field), Takes(field)});
        }
    });
    return found;
}

std::string SettingValueProblem(const std::string& key, const std::string& value) {
    // The value is read as the file's line would be, and must come back as it was written.
    const TGeneratorSettings read = SettingsOfText("\r\n" + key + ";" + value + "\r\n");
    std::string problem;
    VisitFormatted(read,
                   [&](const std::string& k, const std::string& text, const std::string& takes) {
                       if (k == key && text != value) problem = takes;
                   });
    return problem;
}

}  // namespace tq3
