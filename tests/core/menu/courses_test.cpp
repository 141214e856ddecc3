#include "core/menu/courses.h"

#include <gtest/gtest.h>

#include "core/menu/menu_texts.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_check.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "menu_fixture.h"
#include "support/recording_opener.h"

namespace velmora {
namespace {

using testing::CrLf;
using testing::MenuFixture;
using testing::RecordingOpener;
using testing::TempFolder;

TEST(ReadCoursesTest, ThreeLinesACourseTheLastPossiblyShort) {
    TempFolder folder;
    const QString path =
        folder.writeLines(QStringLiteral("cursespe"),
                          {"16Inform\xE1tica", "Ciberseguridad", "https://a/1",
                           "  08Electricidad  ", "\tRedes 5G", "https://a/2 ", "25Transporte"});
    const std::vector<Course> courses = ReadCourses(path);
    ASSERT_EQ(courses.size(), 3u);
    EXPECT_EQ(courses[0].familyCode, 16);
    EXPECT_EQ(courses[0].name, cp1252::Encode(QString::fromUtf8("Informática")));
    EXPECT_EQ(courses[0].address, "https://a/1");
    EXPECT_EQ(courses[1].familyCode, 8);
    EXPECT_EQ(courses[1].name, "Electricidad");
    EXPECT_EQ(courses[1].text, "Redes 5G");
    EXPECT_EQ(courses[1].address, "https://a/2");
    EXPECT_EQ(courses[2].familyCode, 25);
    EXPECT_EQ(courses[2].name, "Transporte");
    EXPECT_TRUE(courses[2].text.empty());
    EXPECT_TRUE(courses[2].address.empty());
}

TEST(ReadCoursesTest, TheFirstBlankLineEndsTheList) {
    TempFolder folder;
    const QString path = folder.writeLines(
        QStringLiteral("cursespe"),
        {"01a", "b", "c", "02d", "e", "f", "03g", "h", "i", "   ", "04j", "k", "l"});
    EXPECT_EQ(ReadCourses(path).size(), 3u);
    EXPECT_TRUE(ReadCourses(folder.write(QStringLiteral("empty"), "\r\n01a\r\n")).empty());
    EXPECT_TRUE(ReadCourses(folder.write(QStringLiteral("nothing"), "")).empty());
}

TEST(ReadCoursesTest, RefusesWhatItCannotHold) {
    TempFolder folder;
    try {
        ReadCourses(folder.file(QStringLiteral("missing")));
        ADD_FAILURE() << "a missing file must throw";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Missing);
    }
    std::vector<std::string> lines(51, "01x");
    try {
        ReadCourses(folder.writeLines(QStringLiteral("long"), lines));
        ADD_FAILURE() << "51 lines must throw";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Capacity);
        EXPECT_EQ(error.line(), 51);
    }
    lines.resize(50);
    lines.push_back("");
    lines.push_back("01 after the end");
    EXPECT_EQ(ReadCourses(folder.writeLines(QStringLiteral("fifty"), lines)).size(), 17u);
    try {
        ReadCourses(folder.writeLines(QStringLiteral("code"), {"01a", "b", "c", "Xd", "e", "f"}));
        ADD_FAILURE() << "a course without its code must throw";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Conversion);
        EXPECT_EQ(error.line(), 4);
    }
}

TEST(FamilyIconTest, ByTheCodeTableOtherCodesKeepThePreviousIcon) {
    EXPECT_EQ(FamilyIcon(1, 5), 31);
    EXPECT_EQ(FamilyIcon(10, 5), 0);
    EXPECT_EQ(FamilyIcon(11, 5), 18);
    EXPECT_EQ(FamilyIcon(16, 5), 12);
    EXPECT_EQ(FamilyIcon(26, 5), 42);
    EXPECT_EQ(FamilyIcon(0, 5), 5);
    EXPECT_EQ(FamilyIcon(27, 33), 33);
}

TEST(FixedCourseTest, FollowsTheLanguage) {
    const Course cas = FixedCourse(0);
    EXPECT_EQ(cas.familyCode, 11);
    EXPECT_EQ(cp1252::Decode(cas.name), QString::fromUtf8("Hostelería y turismo"));
    EXPECT_EQ(cp1252::Decode(cas.text), QString::fromUtf8("Panadería y Bollería Artesanales"));
    EXPECT_EQ(cas.address,
              "https://www.todofp.es/que-como-y-donde-estudiar/que-estudiar/familia/loe/"
              "hosteleria-turismo/panaderia-bolleria-artesanal.html");
    EXPECT_EQ(cp1252::Decode(FixedCourse(1).text),
              QStringLiteral("Forneria i Brioixeria Artesanals"));
    EXPECT_EQ(cp1252::Decode(FixedCourse(2).name), QString::fromUtf8("Hostalaría e turismo"));
    EXPECT_EQ(FixedCourse(2).text, cas.text);
    EXPECT_EQ(FixedCourse(3).name, cas.name);
}

class CoursesBrowserTest : public ::testing::Test, protected MenuFixture {
protected:
    CoursesBrowserTest() { texts = BuildMenuTexts(enlace->texts, QString(), false); }
    MenuTexts texts;
    RecordingOpener opener;
    CoursesBrowser browser{*enlace, opener};
};

TEST_F(CoursesBrowserTest, FillsBothGridsAndOpensOnlyTheCourseColumn) {
    folder.writeLines(
        QStringLiteral("cas/cursespe"),
        {"16Inform\xE1tica y comunicaciones", "Inteligencia artificial", "https://x/ia",
         "99Sin familia", "Curso raro", "https://x/raro", "07Edificaci\xF3n"});
    browser.open(texts);
    ASSERT_TRUE(browser.filled());
    EXPECT_EQ(browser.header(CourseGrid::Reja, 0), QStringLiteral("t583"));
    EXPECT_EQ(browser.header(CourseGrid::Reja, 1), QStringLiteral("t175 t47"));
    EXPECT_EQ(browser.header(CourseGrid::Reja2, 1), QStringLiteral("t175 t113"));
    ASSERT_EQ(browser.rows(CourseGrid::Reja), 3);
    EXPECT_EQ(browser.row(CourseGrid::Reja, 1).name,
              QString::fromUtf8("Informática y comunicaciones"));
    EXPECT_EQ(browser.row(CourseGrid::Reja, 1).icon, 12);
    EXPECT_EQ(browser.row(CourseGrid::Reja, 2).icon, 12);  // code 99 keeps the row above's
    EXPECT_EQ(browser.row(CourseGrid::Reja, 3).icon, 28);
    ASSERT_EQ(browser.rows(CourseGrid::Reja2), 1);
    EXPECT_EQ(browser.row(CourseGrid::Reja2, 1).icon, 18);

    const CellPointer link = browser.pointerAt(CourseGrid::Reja, 1, 1);
    EXPECT_EQ(link.hint, QStringLiteral("Internet... https://x/ia"));
    EXPECT_TRUE(link.hand);
    for (auto [row, column] : {std::pair{1, 0}, {0, 1}, {4, 1}}) {
        EXPECT_TRUE(browser.pointerAt(CourseGrid::Reja, row, column).hint.isEmpty());
        EXPECT_FALSE(browser.pointerAt(CourseGrid::Reja, row, column).hand);
        browser.releaseAt(CourseGrid::Reja, row, column);
    }
    EXPECT_TRUE(opener.opened.isEmpty());

    browser.releaseAt(CourseGrid::Reja, 2, 1);
    browser.releaseAt(CourseGrid::Reja, 3, 1);  // cut short of its address
    browser.releaseAt(CourseGrid::Reja2, 1, 1);
    EXPECT_EQ(opener.opened, (QStringList{QStringLiteral("https://x/raro"),
                                          QString::fromLatin1(FixedCourse(0).address.c_str())}));
}

TEST_F(CoursesBrowserTest, AMissingFileIsReportedAndThePanelStaysEmpty) {
    browser.open(texts);
    EXPECT_TRUE(browser.visible());
    EXPECT_FALSE(browser.filled());
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("cursespe")));
    EXPECT_EQ(browser.rows(CourseGrid::Reja), 0);
    EXPECT_EQ(browser.rows(CourseGrid::Reja2), 0);
    EXPECT_TRUE(browser.header(CourseGrid::Reja, 0).isEmpty());
    browser.releaseAt(CourseGrid::Reja2, 1, 1);
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(CoursesBrowserTest, TheFixedCourseFollowsTheLanguageInForce) {
    folder.writeLines(QStringLiteral("catVal/cursespe"), {"16a", "b", "c"});
    enlace->setLanguage(1);
    browser.open(texts);
    ASSERT_TRUE(browser.filled());
    EXPECT_EQ(browser.row(CourseGrid::Reja2, 1).name, QStringLiteral("Hoteleria i turisme"));
}

TEST(CoursesDataTest, TheCheckerReadsTheCoursesWithTheirParser) {
    TempFolder folder;
    folder.writeLines(QStringLiteral("galego/cursespe"), {"16a", "b", "c", "1d", "e", "f"});
    const DataCheckResult result = CheckDataFolder(folder.path());
    bool broken = false;
    bool missing = false;
    for (const DataProblem& problem : result.problems) {
        if (problem.file.endsWith(QStringLiteral("galego/cursespe")) && problem.line == 4)
            broken = true;
        if (problem.file.endsWith(QStringLiteral("euskera/cursespe"))) missing = true;
    }
    EXPECT_TRUE(broken);
    EXPECT_TRUE(missing);  // the main menu needs it in every language
}

TEST(CoursesDataTest, TheBundledCoursesAgreeInEveryLanguage) {
    const DataPaths paths = DataPaths::ForDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA));
    std::vector<std::vector<Course>> all;
    for (int code = 0; code < kLanguageCount; ++code)
        all.push_back(ReadCourses(paths.languageFolder(code) + QStringLiteral("cursespe")));
    ASSERT_GE(all[0].size(), 8u);
    for (int code = 1; code < kLanguageCount; ++code) {
        ASSERT_EQ(all[static_cast<size_t>(code)].size(), all[0].size()) << code;
        for (size_t i = 0; i < all[0].size(); ++i) {
            const Course& course = all[static_cast<size_t>(code)][i];
            EXPECT_EQ(course.familyCode, all[0][i].familyCode) << code << " " << i;
            EXPECT_EQ(course.address, all[0][i].address) << code << " " << i;
        }
    }
    for (const Course& course : all[0]) {
        EXPECT_GE(course.familyCode, 1);
        EXPECT_LE(course.familyCode, 26);
        EXPECT_FALSE(course.text.empty());
        EXPECT_EQ(course.address.rfind("https://www.todofp.es/", 0), 0u) << course.address;
    }
}

}  // namespace
}  // namespace velmora
