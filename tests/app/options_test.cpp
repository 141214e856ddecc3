#include "app/options.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace velmora
