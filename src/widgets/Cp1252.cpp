#include "widgets/Cp1252.h"

#include <array>

namespace tq3 {

namespace {
// Characters of bytes 0x80..0x9F; the open bytes keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

QString FromCp1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(QChar(b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : char16_t{b}));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = static_cast<char>(u);
        } else {
            for (std::size_t i = 0; i < kHighControls.size(); ++i)
                if (kHighControls[i] == u) out = static_cast<char>(0x80 + i);
        }
        bytes.push_back(out);
    }
    return bytes;
}

QString MessageText(const std::string& text) {
    const QByteArray raw = QByteArray::fromStdString(text);
    QString decoded = QString::fromUtf8(raw);
    // fromUtf8 marks invalid sequences with U+FFFD: such a text is the game's code page.
    if (decoded.contains(QChar::ReplacementCharacter) &&
        text.find("\xEF\xBF\xBD") == std::string::npos)
        decoded = FromCp1252(text);
    decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return decoded;
}

}  // namespace tq3
