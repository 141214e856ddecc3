// The mechanisms every questionnaire screen shares: the student's name, printing a result and
// the help panel.
#include "core/guidance/questionnaire_output.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/guidance/help_panel.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/recording_printing.h"
#include "support/recording_save_dialog.h"
#include "support/scripted_notice.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::RecordingPrinting;
using testing::RecordingSaveDialog;
using testing::ScriptedNotice;
using testing::TempFolder;

class QuestionnaireOutputTest : public ::testing::Test {
  protected:
    QuestionnaireOutputTest() {
        std::vector<std::string> lines(400, "");
        for (int n = 21; n <= 29; ++n)
            lines[static_cast<size_t>(n - 1)] = "ayuda " + std::to_string(n);
        lines[174] = "Curso";
        lines[338] = "Escribe tu nombre y apellidos:";
        folder.writeLines(QStringLiteral("cas/textos"), lines);
        enlace = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        EXPECT_TRUE(enlace->LoadInterfaceTexts());
        enlace->settings.schoolName = QStringLiteral("IES Velmora");
    }

    TempFolder folder;
    RecordingMessages messages;
    std::unique_ptr<Enlace> enlace;
    ScriptedNotice notice;
    RecordingPrinting printing;
    RecordingSaveDialog saveDialog;
};

TEST_F(QuestionnaireOutputTest, TheNameIsAskedWithTheNoticeAndKeptWhole) {
    StudentName& name = enlace->studentName;
    notice.names = {QStringLiteral("  Lucía Pérez Gil  ")};
    EXPECT_TRUE(name.Ensure(notice, enlace->texts));
    EXPECT_EQ(name.text(), QStringLiteral("Lucía Pérez Gil"));
    EXPECT_EQ(notice.prompts, QStringList{QStringLiteral("Escribe tu nombre y apellidos:")});
    EXPECT_EQ(notice.proposals, QStringList{QString()});
    EXPECT_EQ(name.bytes(),
              "Luc\xED"
              "a P\xE9rez Gil");
    // Once there is a name, the next print does not ask again.
    EXPECT_TRUE(name.Ensure(notice, enlace->texts));
    EXPECT_EQ(notice.prompts.size(), 1);
}

TEST_F(QuestionnaireOutputTest, ACancelledNameLeavesTheNameAsItWas) {
    StudentName& name = enlace->studentName;
    name.set(QStringLiteral("Ana"));
    EXPECT_FALSE(name.Ask(notice, enlace->texts, name.text()));
    EXPECT_EQ(notice.proposals, QStringList{QStringLiteral("Ana")});
    EXPECT_EQ(name.text(), QStringLiteral("Ana"));
}

struct NameCase {
    const char* label;
    QString typed;
    QString suffix;
    QString kept;
    std::string bytes;
};

class StudentNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(StudentNameTest, HoldsAtMost45CharactersAndEncodesEveryOne) {
    ScriptedNotice notice;
    notice.names = {GetParam().typed};
    InterfaceTexts texts;
    StudentName name;
    ASSERT_TRUE(name.Ask(notice, texts, QString(), GetParam().suffix));
    EXPECT_EQ(name.text(), GetParam().kept);
    EXPECT_EQ(name.bytes(), GetParam().bytes);
}

const QString k50 = QString(50, u'x');

std::string CaseName(const ::testing::TestParamInfo<NameCase>& c) {
    return c.param.label;
}

INSTANTIATE_TEST_SUITE_P(
    Names, StudentNameTest,
    ::testing::Values(
        NameCase{"Short",
                 QStringLiteral("Íñigo"),
                 {},
                 QStringLiteral("Íñigo"),
                 "\xCD\xF1"
                 "igo"},
        NameCase{"CutAt45", k50, {}, QString(45, u'x'), std::string(45, 'x')},
        NameCase{"WithTheCourse", QStringLiteral("Marcos Gil"), QStringLiteral("  -  4º de ESO"),
                 QStringLiteral("Marcos Gil  -  4º de ESO"), "Marcos Gil  -  4\xBA de ESO"},
        NameCase{"CourseCutToo", QString(40, u'a'), QStringLiteral("  -  4º de ESO"),
                 QString(40, u'a') + QStringLiteral("  -  "), std::string(40, 'a') + "  -  "},
        NameCase{"LettersWindows1252Lacks",
                 QStringLiteral("Zoë Łukasz 李"),
                 {},
                 QStringLiteral("Zoë Łukasz 李"),
                 "Zo\xEB"
                 " ?ukasz ?"},
        NameCase{"NoHalfCharacterAtTheCut",
                 QString(44, u'b') + QStringLiteral("😀"),
                 {},
                 QString(44, u'b'),
                 std::string(44, 'b')}),
    CaseName);

TEST_F(QuestionnaireOutputTest, PrintsTheReportWithItsBoldLinesAndCutsLongLines) {
    QuestionnaireOutput output(*enlace, notice, printing, saveDialog);
    ResultReport report;
    report.title =
        "Luc\xED"
        "a";
    report.add("Primera", true);
    report.add("");
    report.add(std::string(70, 'm'), true);
    EXPECT_TRUE(output.PrintText(report, true, 12));
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& printed = printing.reports.back();
    EXPECT_EQ(printed.layout, ReportLayout::Text);
    EXPECT_TRUE(printed.monospaced);
    EXPECT_EQ(printed.fontSize, 12);
    EXPECT_EQ(printed.title, QStringLiteral("Lucía"));
    ASSERT_EQ(printed.lines.size(), 3u);
    EXPECT_TRUE(printed.lines[0].bold);
    EXPECT_FALSE(printed.lines[1].bold);
    EXPECT_EQ(printed.lines[2].text, QString(65, u'm'));
    EXPECT_TRUE(printed.lines[2].bold);
    EXPECT_TRUE(enlace->report.boldLines.empty());
}

TEST_F(QuestionnaireOutputTest, ACancelledPrintSaysSoAndStillEmptiesTheBoldLines) {
    QuestionnaireOutput output(*enlace, notice, printing, saveDialog);
    printing.answer = false;
    ResultReport report;
    report.add("x", true);
    EXPECT_FALSE(output.PrintList(report, false));
    EXPECT_TRUE(enlace->report.boldLines.empty());
}

TEST_F(QuestionnaireOutputTest, SavesThroughTheSaveDialog) {
    QuestionnaireOutput output(*enlace, notice, printing, saveDialog);
    saveDialog.path = folder.file(QStringLiteral("Ana.TXT"));
    EXPECT_EQ(output.Save(QStringLiteral("Ana"), {"uno"}), SaveOutcome::Saved);
    EXPECT_EQ(saveDialog.proposed, QStringList{QStringLiteral("Ana")});
}

TEST_F(QuestionnaireOutputTest, TheHelpPanelTypesALinePerTickAndStopsAtTheNinth) {
    HelpPanel help;
    help.show(HelpPanel::Lines({21, 22, 0, 24, 25, 26, 27, 28}), enlace->texts);
    EXPECT_TRUE(help.visible());
    EXPECT_TRUE(help.running());
    EXPECT_EQ(help.label(0), QString());
    help.tick();
    help.tick();
    help.tick();
    EXPECT_EQ(help.label(0), QStringLiteral("ayuda 21"));
    EXPECT_EQ(help.label(1), QStringLiteral("ayuda 22"));
    EXPECT_EQ(help.label(2), QString());
    EXPECT_EQ(help.label(3), QString());
    EXPECT_EQ(help.frame(), 2);
    for (int i = 0; i < 5; ++i) help.tick();
    EXPECT_EQ(help.label(7), QStringLiteral("ayuda 28"));
    EXPECT_EQ(help.frame(), 7);
    EXPECT_TRUE(help.running());
    help.tick();  // the ninth
    EXPECT_FALSE(help.running());
    EXPECT_EQ(help.frame(), 0);
    EXPECT_EQ(help.label(7), QStringLiteral("ayuda 28"));
    // A new set clears the labels first.
    help.show(HelpPanel::Lines({29}), enlace->texts);
    EXPECT_EQ(help.label(7), QString());
}

}  // namespace
}  // namespace velmora
