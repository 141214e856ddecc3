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

}  // namespace
}  // namespace velmora
