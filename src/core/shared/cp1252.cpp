#include "core/shared/cp1252.h"

#include <array>

namespace velmora::cp1252 {
namespace {

// Code points of bytes 0x80-0x9F; 0 marks an undefined byte.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteFor(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return unit;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[static_cast<size_t>(i)] == unit && unit != 0) return 0x80 + i;
    }
    return -1;
}

}  // namespace

bool IsUndefined(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] == 0;
}

QString Decode(std::string_view bytes) {
    QString out;
    out.resize(static_cast<qsizetype>(bytes.size()));
    QChar* dst = out.data();
    for (unsigned char b : bytes) {
        char16_t unit = b;
        if (b >= 0x80 && b < 0xA0) unit = kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t{0xFFFD};
        *dst++ = QChar(unit);
    }
    return out;
}

std::string Encode(const QString& text, char fallback) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond 16 bits is one character: one stand-in for its pair of units.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        const int b = ByteFor(c.unicode());
        out.push_back(b < 0 ? fallback : static_cast<char>(b));
    }
    return out;
}

bool CanEncode(const QString& text) {
    for (QChar c : text) {
        if (ByteFor(c.unicode()) < 0) return false;
    }
    return true;
}

std::string Upper(std::string_view bytes) {
    std::string out(bytes);
    for (char& byte : out) {
        const auto b = static_cast<unsigned char>(byte);
        if (IsUndefined(b)) continue;
        const char16_t unit = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t{b};
        const QString upper = QString(QChar(unit)).toUpper();
        if (upper.size() != 1) continue;
        const int mapped = ByteFor(upper.at(0).unicode());
        if (mapped >= 0) byte = static_cast<char>(mapped);
    }
    return out;
}

}  // namespace velmora::cp1252
