// The university section end to end: from its door of the main menu to a degree's places and back
// home.
#include <gtest/gtest.h>

#include "e2e/whole_program.h"

namespace velmora {
namespace {

using testing::EndToEnd;

TEST_F(EndToEnd, ADegreesPlacesByCommunity) {
    const int code = run({QStringLiteral("N"), QStringLiteral("0")}, [this] {
        door(MenuLabel::Carreras);
        walkDegreesPlaces("degrees");
        expectHome(screen<TForm1>("TForm1"));
        leave();
    });
    EXPECT_EQ(code, 0) << errors();
}

}  // namespace
}  // namespace velmora
