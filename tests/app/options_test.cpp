#include "app/options.h"

#include <gtest/gtest.h>

#include "core/shared/command_line.h"

namespace velmora {
namespace {

QStringList Args(std::initializer_list<const char*> values) {
    QStringList out;
    for (const char* v : values) out << QString::fromUtf8(v);
    return out;
}

TEST(ProgramOptionsTest, ToolsAndMeasurementAreOptionsNotParameters) {
    ProgramOptions o = ReadProgramOptions(Args({"N", "2"}));
    EXPECT_FALSE(o.checkData || o.school || o.measureStartup);
    o = ReadProgramOptions(Args({"--check-data", "/d", "--measure-startup"}));
    EXPECT_EQ(o.checkData, QStringLiteral("/d"));
    EXPECT_TRUE(o.measureStartup);
    o = ReadProgramOptions(Args({"--school", "  IES Velmora ", "S"}));
    EXPECT_EQ(o.school, QStringLiteral("  IES Velmora "));  // trimmed when stored
    EXPECT_TRUE(ReadProgramOptions(Args({"--school"})).error.contains(QStringLiteral("--school")));
    EXPECT_FALSE(ReadProgramOptions(Args({"--check-data"})).checkData.has_value());
    // The presentation for this run: the last word counts; none leaves the setting in force.
    EXPECT_FALSE(ReadProgramOptions(Args({"N", "2"})).fillScreen.has_value());
    EXPECT_EQ(ReadProgramOptions(Args({"--fill-screen", "N"})).fillScreen, true);
    EXPECT_EQ(ReadProgramOptions(Args({"--fill-screen", "--window"})).fillScreen, false);
    EXPECT_EQ(PositionalParameters(Args({"--fill-screen", "S", "1"})), Args({"S", "1"}));
}

}  // namespace
}  // namespace velmora
