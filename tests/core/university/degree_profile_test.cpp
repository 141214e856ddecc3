#include "core/university/degree_profile.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/cp1252.h"
#include "core/shared/text_file.h"
#include "core/university/degrees_screen_fixture.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = DegreesControl;
using testing::DegreesScreenFixture;

const Rgb kBlack = ColourOf(PaletteColour::Black);
const Rgb kMaroon = ColourOf(PaletteColour::Maroon);
const Rgb kGreen = ColourOf(PaletteColour::Green);
const Rgb kRed = ColourOf(PaletteColour::Red);

std::vector<std::string> Lines(const std::vector<std::string>& file, int code) {
    const TextLines split = SplitLines(testing::CrLf(file));
    return ProfileLines(split.lines, code);
}

const std::vector<std::string> kBlank(kBlankProfileLines, "  ");

TEST(ProfileKeyTest, TheCodeRightAlignedInThreeCharacters) {
    EXPECT_EQ(ProfileKey(12), "<< 12");
    EXPECT_EQ(ProfileKey(7), "<<  7");
    EXPECT_EQ(ProfileKey(123), "<<123");
    EXPECT_EQ(ProfileKey(1234), "<<1234");
}

struct SectionCase {
    const char* what;
    std::vector<std::string> file;
    int code;
    std::vector<std::string> shown;
};

class ProfileLinesTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ProfileLinesTest, ShowsTheSectionOrBlankLines) {
    EXPECT_EQ(Lines(GetParam().file, GetParam().code), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ProfileLinesTest,
    ::testing::Values(
        SectionCase{"from two lines below the key to the next key",
                    {"<< 12 Biolog\xED"
                     "a",
                     "no se ve",
                     "Biolog\xED"
                     "a",
                     "Perfil", "* Curiosidad", "<<  7 Derecho", "x", "y"},
                    12,
                    {"Biolog\xED"
                     "a",
                     "Perfil", "* Curiosidad"}},
        SectionCase{"the key may stand anywhere in its line",
                    {"texto << 12", "no se ve", "uno", "dos", "fin <<"},
                    12,
                    {"uno", "dos"}},
        SectionCase{"the end is sought from three lines below the key",
                    {"<< 12", "<<  1", "<<  2 visto solo a medias", "tres", "<<  4"},
                    12,
                    {"tres"}},
        SectionCase{"a line that starts with the mark is never shown",
                    {"<< 12", "x", "<<< no", "uno", "<<"},
                    12,
                    {"uno"}},
        SectionCase{"the last section needs a closing key line",
                    {"<<  7", "x", "uno", "<< 12", "x", "Medicina", "texto"},
                    12,
                    kBlank},
        SectionCase{"a missing code gives blank lines", {"<<  7", "x", "uno", "<<999"}, 12, kBlank},
        SectionCase{"a code of two digits is not found inside a wider key",
                    {"<<112", "x", "uno", "<<999"},
                    12,
                    kBlank}),
    testing::ByWhat());

struct HeadingCase {
    const char* line;
    bool heading;
};

TEST(ProfileHeadingTest, TheHeadingWordsTrimmedAndInAnyCaseOfAToZ) {
    const HeadingCase cases[] = {
        {"Perfil", true},
        {"  perfil  ", true},
        {"PLAN DE ESTUDIOS", true},
        {"Perfil del Alumno", true},
        {"Qu\xE9 estudiar\xE9", true},
        {"QU\xC9 ESTUDIAR\xC9", false},  // only A to Z ignore their case
        {"Salidas Profesionales", true},
        {"Sortides professionals", true},
        {"Sa\xED"
         "das profesionais",
         true},
        {"Pla d'estudis", true},
        {"Asignaturas", true},
        {"Perfiles", false},
        {"Perfil:", false},
        {"* Perfil", false},
        {"", false},
    };
    for (const HeadingCase& c : cases) EXPECT_EQ(IsProfileHeading(c.line), c.heading) << c.line;
}

struct Shown {
    QString text;
    Rgb colour;
    bool bold;
    bool bullet;
};

std::vector<Shown> ParagraphsOf(const RichText& text) {
    std::vector<Shown> out;
    for (const RichParagraph& p : text.paragraphs) {
        const RichRun first = p.runs.empty() ? RichRun{} : p.runs.front();
        out.push_back({p.text(), first.colour, first.bold, p.bullet});
    }
    return out;
}

TEST(ProfileTextTest, TitleHeadingsBulletsAndPlainText) {
    const RichText text = ProfileText(
        {"Biolog\xED"
         "a",
         "Perfil del Alumno", "Te gusta la vida.", "* Bot\xE1nica", "*x", "  perfil ", "Texto"});
    EXPECT_EQ(text.pointSize, 10);
    const std::vector<Shown> p = ParagraphsOf(text);
    ASSERT_EQ(p.size(), 7u);
    const Shown expected[] = {
        {QStringLiteral("Biolog\u00eda"), kMaroon, true, false},
        {QStringLiteral("Perfil del Alumno"), kGreen, true, false},
        // The text after a heading is plain again, so the next heading stands out.
        {QStringLiteral("Te gusta la vida."), kBlack, false, false},
        {QStringLiteral("Bot\u00e1nica"), kBlack, false, true},
        {QString(), kBlack, false, true},
        {QStringLiteral("  perfil "), kGreen, true, false},
        {QStringLiteral("Texto"), kBlack, false, false},
    };
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].text, expected[i].text) << i;
        if (p[i].text.isEmpty()) continue;  // an empty paragraph has no run
        EXPECT_EQ(p[i].colour, expected[i].colour) << i;
        EXPECT_EQ(p[i].bold, expected[i].bold) << i;
        EXPECT_EQ(p[i].bullet, expected[i].bullet) << i;
    }
    // The title stands whole even when it starts like a bullet.
    EXPECT_EQ(ProfilePrintLines({"* T\xEDtulo", "* Bot\xE1nica", "*x", "Texto"}),
              (std::vector<std::string>{"* T\xEDtulo", "Bot\xE1nica", "", "Texto"}));
    EXPECT_FALSE(ProfileText({"* T\xEDtulo"}).paragraphs[0].bullet);
}

// The runs of one paragraph as "text/red" pieces, "text" for the others.
std::vector<std::string> Pieces(const RichParagraph& p) {
    std::vector<std::string> out;
    for (const RichRun& run : p.runs)
        out.push_back(cp1252::Encode(run.text) + (run.colour == kRed ? "/red" : "") +
                      (run.bold ? "/bold" : ""));
    return out;
}

TEST(ProfileTextTest, TheWordsOfWorkAreRedWhereverTheyStandAsWholeWords) {
    const RichText text =
        ProfileText({"Para TRABAJAR en profesiones.", "* trabajaras, trabajar",
                     "Ocupaci\xF3n y preocupaci\xF3n", "Salidas Profesionales", "profesiones2 no"});
    EXPECT_EQ(Pieces(text.paragraphs[0]),
              (std::vector<std::string>{"Para /bold", "TRABAJAR/red/bold", " en /bold",
                                        "profesiones/red/bold", "./bold"}));
    EXPECT_EQ(Pieces(text.paragraphs[1]),
              (std::vector<std::string>{"trabajaras, ", "trabajar/red"}));
    EXPECT_EQ(Pieces(text.paragraphs[2]),
              (std::vector<std::string>{"Ocupaci\xF3n/red", " y preocupaci\xF3n"}));
    EXPECT_EQ(Pieces(text.paragraphs[3]), (std::vector<std::string>{"Salidas Profesionales/bold"}));
    EXPECT_EQ(Pieces(text.paragraphs[4]), (std::vector<std::string>{"profesiones2 no"}));
}

TEST(RichTextTest, AColouredWordMaySpanRunsAndKeepsTheirWeights) {
    RichText text;
    text.add(QStringLiteral("a tra"), kBlack, false, false);
    text.paragraphs[0].runs.push_back({QStringLiteral("bajar b"), kBlack, true});
    text.colourWord(QStringLiteral("trabajar"), kRed);
    EXPECT_EQ(Pieces(text.paragraphs[0]),
              (std::vector<std::string>{"a ", "tra/red", "bajar/red/bold", " b/bold"}));
}

class ProfileViewTest : public ::testing::Test, public DegreesScreenFixture {
  protected:
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const RichParagraph& p : view().richSalidas.paragraphs)
            out.push_back(cp1252::Encode(p.text()));
        return out;
    }
};

TEST_F(ProfileViewTest, ShowsTheSectionOfTheDegreesCodeAndHidesTheOtherViews) {
    DegreesScreen& s = load();
    s.BotMenuGradosClick();
    s.ListramasClick(1);  // branch 2: Biología
    s.listgradosMouseUp(0);
    ASSERT_TRUE(starMap.view().visible);
    s.takeChanges();
    s.BotSalClick();
    EXPECT_TRUE(visible(C::RichSalidas));
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_FALSE(starMap.view().visible);
    EXPECT_FALSE(starMap.view().timerRunning);
    EXPECT_FALSE(state().doublesMode);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Biología", "Perfil", "Curiosidad"}));
    EXPECT_EQ(state().profileLines, shown());
    const DegreesChanges changes = s.takeChanges();
    EXPECT_EQ(changes.panelSelTransition, TransitionKind::Radial);
    EXPECT_TRUE(changes.has(DegreesChanges::RichSalidasText));

    // Medicina shares Biología's code, and so its section.
    s.SelectDegree(3);
    s.BotSalClick();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Biología", "Perfil", "Curiosidad"}));
    EXPECT_EQ(view().titleBar.toStdString(), "Medicina");
    s.SelectDegree(2);
    s.BotSalClick();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Derecho", "Salidas Profesionales", "Abogacía"}));
}

TEST_F(ProfileViewTest, WithoutADegreeOnlyTheOtherViewsGo) {
    DegreesScreen& s = load();
    s.SelectDegree(1);
    s.SelectDegree(0);
    s.BotSalClick();
    EXPECT_FALSE(visible(C::RichSalidas));
    EXPECT_FALSE(visible(C::GridNotas));
    EXPECT_TRUE(view().richSalidas.paragraphs.empty());
}

TEST_F(ProfileViewTest, TheDataFolderServesWhenTheLanguageHasNoFile) {
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("cas/grados.txt"))));
    folder.write(QStringLiteral("grados.txt"), testing::CrLf({"<< 12", "x", "Com\xFA", "<<"}));
    DegreesScreen& s = load();
    s.SelectDegree(1);
    s.BotSalClick();
    EXPECT_EQ(shown(), std::vector<std::string>{"Com\xFA"});
}

TEST_F(ProfileViewTest, AMissingFileIsReportedWithItsPathAndLeavesTheBoxEmpty) {
    DegreesScreen& s = load();
    s.SelectDegree(1);
    s.BotSalClick();
    ASSERT_FALSE(shown().empty());
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("cas/grados.txt"))));
    s.SelectDegree(2);
    s.BotSalClick();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(folder.file(QStringLiteral("grados.txt"))))
        << messages.errors[0].toStdString();
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(state().profileLines.empty());
    EXPECT_FALSE(enlace.stopFlag);
}

}  // namespace
}  // namespace velmora
