#include "core/guidance/group_studies.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/university/degree_tables.h"
#include "core/vocational/vocational_tables.h"

namespace velmora {
namespace {

TEST(GroupStudiesTest, DegreesByEitherFieldAndTitlesOncePerMatchingColumn) {
    auto degrees = std::make_unique<DegreeTables>();
    degrees->degreeNames.count = 4;
    const int itineraries[][2] = {{3, 0}, {0, 3}, {3, 3}, {5, 1}};  // degrees 1-4
    for (int d = 1; d <= 4; ++d) {
        degrees->degreeAttributes.cell(d, DegreeTables::kFirstItinerary) = itineraries[d - 1][0];
        degrees->degreeAttributes.cell(d, DegreeTables::kSecondItinerary) = itineraries[d - 1][1];
    }
    degrees->degreeAttributes.cell(5, DegreeTables::kFirstItinerary) = 3;  // past the count

    auto vocational = std::make_unique<VocationalTables>();
    vocational->titlesGS.count = 3;
    const int columns[][4] = {{3, 0, 0, 3}, {1, 2, 0, 0}, {0, 0, 0, 3}};  // titles 1-3
    for (int t = 1; t <= 3; ++t)
        for (int k = 0; k < 4; ++k) vocational->factsGS.cell(t, k) = columns[t - 1][k];
    vocational->factsGS.cell(4, 0) = 3;  // past the count

    const GroupStudies three = StudiesOfGroup(*degrees, *vocational, 3);
    EXPECT_EQ(three.degrees, (std::vector<int>{1, 2, 3}));  // degree 3 once, though named twice
    EXPECT_EQ(three.higherTitles, (std::vector<int>{1, 1, 3}));
    const GroupStudies one = StudiesOfGroup(*degrees, *vocational, 1);
    EXPECT_EQ(one.degrees, (std::vector<int>{4}));
    EXPECT_EQ(one.higherTitles, (std::vector<int>{2}));
    for (const int none : {0, -1, 13}) {
        const GroupStudies nothing = StudiesOfGroup(*degrees, *vocational, none);
        EXPECT_TRUE(nothing.degrees.empty()) << none;
        EXPECT_TRUE(nothing.higherTitles.empty()) << none;
    }
}

}  // namespace
}  // namespace velmora
