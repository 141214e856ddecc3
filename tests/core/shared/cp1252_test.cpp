#include "core/shared/cp1252.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Cp1252Test, DecodesTheLettersAndSignsOfTheDataFiles) {
    EXPECT_EQ(cp1252::Decode("Espa\xF1" "a \xBF" "Qu\xE9?"), QStringLiteral("España ¿Qué?"));
    EXPECT_EQ(cp1252::Decode("\x80 \x95 \xBA \xB7"), QStringLiteral("€ • º ·"));
    EXPECT_EQ(cp1252::Decode("\x81"), QString(QChar(0xFFFD)));
}

TEST(Cp1252Test, EncodesBackByteForByteAndMarksWhatItCannotHold) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (!cp1252::IsUndefined(static_cast<unsigned char>(b))) all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(cp1252::Encode(cp1252::Decode(all)), all);
    EXPECT_EQ(cp1252::Encode(QStringLiteral("Aπ")), "A?");
    // One stand-in for one character, even one that takes two 16-bit units.
    EXPECT_EQ(cp1252::Encode(QStringLiteral("Ana 😀 ñ")), "Ana ? \xF1");
    EXPECT_TRUE(cp1252::CanEncode(QStringLiteral("l·l ç ñ «»")));
    EXPECT_FALSE(cp1252::CanEncode(QStringLiteral("→")));
}

TEST(Cp1252Test, KnowsTheFiveUndefinedBytes) {
    int undefined = 0;
    for (int b = 0; b < 256; ++b) undefined += cp1252::IsUndefined(static_cast<unsigned char>(b));
    EXPECT_EQ(undefined, 5);
    EXPECT_TRUE(cp1252::IsUndefined(0x9D));
    EXPECT_FALSE(cp1252::IsUndefined(0x9C));
}

TEST(Cp1252Test, CapitalsKeepTheLengthAndTheUndefinedBytes) {
    // "dónde estudiar · Çà ÿ œ ß" and an undefined byte.
    EXPECT_EQ(cp1252::Upper("d\xF3nde estudiar \xB7 \xE7\xE0 \xFF \x9C \xDF \x81"),
              "D\xD3NDE ESTUDIAR \xB7 \xC7\xC0 \x9F \x8C \xDF \x81");
}

}  // namespace
}  // namespace velmora
