#include "core/university/requirements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/shared/interface_texts.h"
#include "core/university/degree_tables.h"

namespace velmora {
namespace {

// Degree tables in memory: degree 1 with the given cut-off marks (tenths, in offering order).
DegreeTables WithMarks(const std::vector<int>& marks) {
    DegreeTables t;
    t.degreeNames.set(1, "Grado");
    t.degreeNames.count = 1;
    t.offerings.cutOffTenths.cell(1, 0) = static_cast<std::uint8_t>(marks.size());
    for (size_t i = 0; i < marks.size(); ++i)
        t.offerings.cutOffTenths.cell(1, static_cast<int>(i) + 1) =
            static_cast<std::uint8_t>(marks[i]);
    return t;
}

struct DemandCase {
    const char* name;
    std::vector<int> marks;
    bool high, low, mixed;
    const char* average;
};
void PrintTo(const DemandCase& c, std::ostream* out) {
    *out << c.name;
}

class DemandTest : public ::testing::TestWithParam<DemandCase> {};

TEST_P(DemandTest, JudgesTheMarksThatCount) {
    const DemandCase& c = GetParam();
    const Demand d = ComputeDemand(WithMarks(c.marks), 1);
    EXPECT_EQ(d.high, c.high);
    EXPECT_EQ(d.low, c.low);
    EXPECT_EQ(d.mixed, c.mixed);
    EXPECT_EQ(d.averageText(), c.average);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DemandTest,
    ::testing::Values(
        DemandCase{"AllBelowSixNoneAboveSix", {50, 55, 58, 59}, false, true, false, "5.6"},
        DemandCase{"LowAverageWithOneHighMarkAndAQuarterPassing",
                   {45, 45, 45, 65},
                   false,
                   true,
                   true,
                   "5.0"},
        DemandCase{
            "AFifthPassingIsNotEnoughForMixed", {45, 45, 45, 45, 65}, false, true, false, "4.9"},
        DemandCase{"ExactlySixIsHigh", {60, 60}, true, false, false, "6.0"},
        DemandCase{"JustUnderSixIsLow", {60, 59}, false, true, false, "6.0"},
        DemandCase{"NoMarkAtAll", {10, 10, 10}, false, false, false, ""},
        DemandCase{"NoOffering", {}, false, false, false, ""},
        DemandCase{"MarksOfElevenOrLessLeftOut", {11, 10, 5, 70}, true, false, false, "7.0"},
        DemandCase{"TwelveCounts", {12, 100}, false, true, true, "5.6"},
        DemandCase{"HalfATenthRoundsUp", {62, 63}, true, false, false, "6.3"},
        DemandCase{"TwoDigitAverage", {125, 130}, true, false, false, "12.8"},
        // Every offering of a full degree counts, not only the first hundred.
        DemandCase{"AllOfAFullDegreeCount",
                   [] {
                       std::vector<int> m(100, 59);
                       m.insert(m.end(), 25, 140);
                       return m;
                   }(),
                   true, false, false, "7.5"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DemandTest, ADegreeOutsideTheTableHasNoJudgement) {
    const DegreeTables t = WithMarks({90});
    for (int degree : {0, 2, -1}) {
        const Demand d = ComputeDemand(t, degree);
        EXPECT_FALSE(d.high || d.low || d.mixed) << degree;
    }
}

// Interface text N reads "texto N"; subject s reads "Materia s".
class RequirementsTextTest : public ::testing::Test {
  protected:
    RequirementsTextTest() {
        LineTable lines(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
        for (int n = 1; n < InterfaceTexts::kTableSize; ++n)
            lines.set(n, "texto " + std::to_string(n));
        texts.Distribute(lines);
        tables = WithMarks({60, 60});
        for (int s = 1; s <= 30; ++s) tables.subjects.set(s, "Materia " + std::to_string(s));
        tables.subjects.count = 30;
    }

    // Degree 1's branch and weighted-subject fields 10..13.
    void degree(int branch, std::array<int, 4> subjects) {
        tables.degreeAttributes.cell(1, DegreeTables::kBranch) = branch;
        for (int f = 0; f < 4; ++f)
            tables.degreeAttributes.cell(1, DegreeTables::kFirstSubject + f) =
                subjects[static_cast<size_t>(f)];
    }

    std::vector<std::string> text(RequirementsForm form = RequirementsForm::Full) const {
        return RequirementsText(tables, texts, 1, form);
    }

    // The lines from the own-subjects heading to the empty line after the recommendations.
    std::vector<std::string> subjectLines() const {
        const std::vector<std::string> all = text();
        auto from = std::find(all.begin(), all.end(), "texto 726");
        auto to = std::find(all.begin(), all.end(), "texto 730");
        if (from == all.end() || to == all.end()) return {};
        return {from + 1, to - 1};
    }

    InterfaceTexts texts;
    DegreeTables tables;
};

const std::string kBullet = "\x95  ";

TEST_F(RequirementsTextTest, FullTextOfAHighDemandDegree) {
    degree(3, {9, 4, 0, 0});
    // clang-format off
    const std::vector<std::string> expected = {
        "-     texto 277", "", "texto 674", "texto 721 6.0", "",
        "texto 723", "texto 724", "texto 517", "",
        "-  texto 725", "texto 726", kBullet + "Materia 9", kBullet + "Materia 4", "",
        "texto 727", kBullet + "Materia 20", kBullet + "Materia 12", kBullet + "Materia 18", "",
        "texto 730", "texto 731", "texto 732", "",
        "- texto 717", "texto 711", "texto 712", "texto 713", "texto 714", "texto 715"};
    // clang-format on
    EXPECT_EQ(text(), expected);
}

TEST_F(RequirementsTextTest, ShortFormEndsWithTheAdviceOnWeightings) {
    degree(3, {9, 4, 0, 0});
    const std::vector<std::string> full = text();
    const std::vector<std::string> shortForm = text(RequirementsForm::Short);
    ASSERT_FALSE(shortForm.empty());
    EXPECT_EQ(shortForm.back(), "texto 730");
    EXPECT_EQ(shortForm,
              std::vector<std::string>(
                  full.begin(), full.begin() + static_cast<std::ptrdiff_t>(shortForm.size())));
}

// The judgement's lines, between the heading (text 674) and the next empty line.
TEST_F(RequirementsTextTest, JudgementLinesFollowTheDemand) {
    const auto judgement = [&](const std::vector<int>& marks) {
        tables = WithMarks(marks);
        tables.degreeAttributes.cell(1, DegreeTables::kBranch) = 2;
        const std::vector<std::string> all = text();
        return std::vector<std::string>(all.begin() + 3, std::find(all.begin() + 3, all.end(), ""));
    };
    EXPECT_EQ(judgement({50, 55, 58, 59}), std::vector<std::string>{"texto 720"});
    EXPECT_EQ(judgement({45, 45, 45, 65}), (std::vector<std::string>{"texto 720", "texto 722"}));
    EXPECT_EQ(judgement({10, 10}), std::vector<std::string>{});
    EXPECT_EQ(judgement({75, 76}), std::vector<std::string>{"texto 721 7.6"});
}

struct SubjectsCase {
    const char* name;
    int branch;
    std::array<int, 4> own;
    std::vector<std::string> lines;  // between texts 726 and 730, "" for an empty line
};
void PrintTo(const SubjectsCase& c, std::ostream* out) {
    *out << c.name;
}

class WeightedSubjectsTest : public RequirementsTextTest,
                             public ::testing::WithParamInterface<SubjectsCase> {};

std::string B(int s) {
    return kBullet + "Materia " + std::to_string(s);
}

TEST_P(WeightedSubjectsTest, ListsEachSubjectOnce) {
    const SubjectsCase& c = GetParam();
    degree(c.branch, c.own);
    EXPECT_EQ(subjectLines(), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Degrees, WeightedSubjectsTest,
    ::testing::Values(SubjectsCase{"OwnSubjectAlsoRecommendedForItsBranchListedOnce",
                                   2,
                                   {21, 5, 0, 0},
                                   {B(21), B(5), "", "texto 727", B(3), B(11), B(19)}},
                      SubjectsCase{"OwnEntranceTestEndsTheOwnList",
                                   5,
                                   {50, 3, 4, 6},
                                   {"    texto 55", "", "texto 727", B(3), B(21), B(19), B(11)}},
                      SubjectsCase{"ZeroFieldsSkipped",
                                   4,
                                   {0, 7, 0, 2},
                                   {B(7), B(2), "", "texto 727", B(19), B(21), B(11), B(9)}},
                      SubjectsCase{"ArtsAndHumanitiesRecommendNoSubject",
                                   1,
                                   {13, 0, 0, 0},
                                   {B(13), "", "texto 727", kBullet + "texto 728"}},
                      SubjectsCase{"EveryRecommendationAlreadyOwn",
                                   3,
                                   {9, 20, 12, 18},
                                   {B(9), B(20), B(12), B(18), "", "texto 727"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RequirementsTextTest, ASubjectMissingFromTheSubjectsFileIsLeftOut) {
    tables.subjects.count = 4;  // "materiasp" with four lines
    degree(2, {3, 21, 0, 0});
    // Subject 21 has no text: neither the degree's own nor the branch's line names it.
    EXPECT_EQ(subjectLines(), (std::vector<std::string>{B(3), "", "texto 727"}));
}

TEST_F(RequirementsTextTest, NoTextForNoDegree) {
    degree(2, {3, 0, 0, 0});
    EXPECT_TRUE(RequirementsText(tables, texts, 0, RequirementsForm::Full).empty());
    EXPECT_TRUE(RequirementsText(tables, texts, 2, RequirementsForm::Short).empty());
}

}  // namespace
}  // namespace velmora
