#include "session/SettingsJson.h"

#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

#include "config/SettingsFile.h"

namespace tq3 {

namespace {

std::string BytesAsUtf8(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}
// The bytes back; nothing when a character has a code above 255.
std::optional<std::string> Utf8AsBytes(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += text[i];
            continue;
        }
        // JSON texts are valid UTF-8 once parsed: a two-byte character from C2 or C3 holds
        // a code of 128..255, any other lead a higher one.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 == text.size()) return std::nullopt;
        bytes += static_cast<char>(((lead & 0x1F) << 6) | (text[++i] & 0x3F));
    }
    return bytes;
}

void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

// Refuses, while parsing, a member named twice in one object and members nested deeper
// than the file has them.
class MemberCheck {
  public:
    MemberCheck(const std::string& kind, std::size_t maxNesting)
        : kind_(kind), maxNesting_(maxNesting) {}
    bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
        if (depth > static_cast<int>(maxNesting_))
            Fail("it holds values nested deeper than " + kind_ + " has them");
        switch (event) {
            case Json::parse_event_t::object_start:
            case Json::parse_event_t::array_start:
                names_.emplace_back();
                break;
            case Json::parse_event_t::object_end:
            case Json::parse_event_t::array_end:
                if (!names_.empty()) names_.pop_back();
                break;
            case Json::parse_event_t::key:
                if (!names_.empty() && !names_.back().insert(parsed.get<std::string>()).second)
                    Fail("it names " + Quoted(parsed.get<std::string>()) + " twice in one object");
                break;
            case Json::parse_event_t::value:
                break;
        }
        return true;
    }

  private:
    std::string kind_;
    std::size_t maxNesting_;
    std::vector<std::set<std::string>> names_;
};

// nlohmann's message without its "[json.exception.parse_error.101] " prefix.
std::string PlainParseMessage(const std::string& what) {
    const std::size_t close = what.find("] ");
    return close == std::string::npos ? what : what.substr(close + 2);
}

}  // namespace

Json SettingsJson(const SettingValues& settings) {
    Json object = Json::object();
    for (const auto& [key, value] : settings) object[key] = BytesAsUtf8(value);
    return object;
}

SettingValues ReadSettingsJson(const Json& settings) {
    if (!settings.is_object()) Fail("\"settings\" must be an object of KEY: \"VALUE\" members");
    SettingValues read;
    for (const auto& [key, value] : settings.items()) {
        if (!IsSettingKey(key))
            Fail("its setting " + Quoted(key) + " is not a key of TQ3Gener.csv");
        if (key == "GeneratorMode")
            Fail("its settings hold GeneratorMode, which belongs in \"generatorMode\"");
        if (!value.is_string()) Fail("the value of setting " + key + " must be a text");
        const std::optional<std::string> bytes = Utf8AsBytes(value.get<std::string>());
        if (!bytes)
            Fail("the value of setting " + key +
                 " holds a character that a settings file cannot hold (above code 255)");
        const std::string takes = SettingValueProblem(key, *bytes);
        if (!takes.empty())
            Fail("the value " + Quoted(*bytes) + " of setting " + key + " is out of range: " + key +
                 " takes " + takes);
        read.emplace_back(key, *bytes);
    }
    return read;
}

std::string ReadStrictJson(const std::string& text, const std::string& kind, std::size_t maxSize,
                           std::size_t maxNesting, const std::function<void(const Json&)>& read) {
    if (text.size() > maxSize)
        return "it is larger than " + kind + " can be (" + std::to_string(maxSize) + " bytes)";
    try {
        read(Json::parse(text, MemberCheck(kind, maxNesting)));
        return {};
    } catch (const Json::parse_error& e) {
        return "it is not JSON: " + PlainParseMessage(e.what());
    } catch (const Json::exception& e) {
        return PlainParseMessage(e.what());
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

}  // namespace tq3
