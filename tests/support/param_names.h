#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace velmora::testing {

// A test name made of a case's description: "a title without its facts row" becomes
// "ATitleWithoutItsFactsRow", so that ctest lists what each case tries.
inline std::string CaseName(std::string_view description) {
    std::string name;
    bool upper = true;
    for (const char c : description) {
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
