// The university section end to end: from its door of the main menu to a degree's places and back
// home.
#include <gtest/gtest.h>

#include "e2e/whole_program.h"

namespace velmora {
namespace {

using testing::EndToEnd;

TEST_F(EndToEnd, ADegreesPlacesByCommunity) {
    walkFromMenu([this] {
        door(MenuLabel::Carreras);
        walkDegreesPlaces("degrees");
        homeAndOut(screen<TForm1>("TForm1"));
    });
}

}  // namespace
}  // namespace velmora
