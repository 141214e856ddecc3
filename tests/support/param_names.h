#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace velmora::testing {

// A test name made of a case's description: "a title without its facts row" becomes
// "ATitleWithoutItsFactsRow", so that ctest lists what each case tries.
// Accented Latin letters (UTF-8 "\xC3" + one byte) keep their base letter: "Lucía Pérez" becomes
// "LuciaPerez"; any other non-ASCII character separates words.
inline std::string CaseName(std::string_view description) {
    // The base letters of U+00C0..U+00FF; a space where there is none.
    static constexpr std::string_view kBase =
        "AAAAAAACEEEEIIII NOOOOO OUUUUY  aaaaaaaceeeeiiii nooooo ouuuuy y";
    std::string name;
    bool upper = true;
    for (size_t i = 0; i < description.size(); ++i) {
        char c = description[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0xC3 && i + 1 < description.size()) {
            const auto next = static_cast<unsigned char>(description[++i]);
            c = next >= 0x80 && next <= 0xBF ? kBase[next - 0x80] : ' ';
        } else if (byte >= 0x80) {
            while (i + 1 < description.size() &&
                   (static_cast<unsigned char>(description[i + 1]) & 0xC0) == 0x80)
                ++i;
            c = ' ';
        }
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name.empty() ? std::string("Unnamed") : name;
}

// Parameter names for suites that take a case with a `what` description.
struct ByWhat {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return CaseName(info.param.what);
    }
};

// Parameter names for suites over the four language codes 0..3.
struct ByLanguage {
    std::string operator()(const ::testing::TestParamInfo<int>& info) const {
        static constexpr const char* kNames[] = {"cas", "catVal", "galego", "euskera"};
        return info.param >= 0 && info.param <= 3 ? kNames[info.param]
                                                  : "language" + std::to_string(info.param);
    }
};

}  // namespace velmora::testing
