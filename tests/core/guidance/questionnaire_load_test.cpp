#include "core/guidance/questionnaire_load.h"

#include <gtest/gtest.h>

#include "core/guidance/questionnaire_readers.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

std::vector<std::string> Questions(int count) {
    std::vector<std::string> lines;
    for (int q = 1; q <= count; ++q)
        lines.push_back((q <= 35 ? "34" : "53") + std::string("Pregunta ") + std::to_string(q));
    return lines;
}

std::vector<std::string> Intermediate(const std::vector<std::string>& items) {
    std::vector<std::string> lines;
    for (int a = 1; a <= 11; ++a) lines.push_back("Area " + std::to_string(a));
    lines.insert(lines.end(), items.begin(), items.end());
    return lines;
}

std::vector<std::string> Itineraries() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 52; ++n) lines.push_back("Linea " + std::to_string(n));
    lines[20] = "ITINERARIO RECOMENDADO";
    lines[21] = "Bachillerato de Artes plasticas y diseno";  // 40 characters: the label keeps 35
    return lines;
}

void SetRow(ByteGrid& keys, int row, const std::vector<int>& numbers) {
    keys.clearRow(row);
    keys.cell(row, 0) = static_cast<std::uint8_t>(numbers.size());
    for (size_t j = 0; j < numbers.size(); ++j)
        keys.cell(row, static_cast<int>(j) + 1) = static_cast<std::uint8_t>(numbers[j]);
}

class QuestionnaireLoadTest : public ::testing::Test {
  protected:
    QuestionnaireLoadTest() {
        folder.writeLines(QStringLiteral("cas/cuestion"), Questions(40));
        folder.writeLines(QStringLiteral("cas/cuesgm"),
                          Intermediate({"12Primera pregunta", "00Segunda", "95Tercera"}));
        folder.writeLines(QStringLiteral("cas/itinerar"), Itineraries());
        folder.writeLines(QStringLiteral("cas/cualidad"), {"Ordenado", "Curioso", "Paciente"});
        folder.writeLines(QStringLiteral("cas/interes"), {"Animales", "Musica"});
        for (int s = 14; s <= 19; ++s) SetRow(keys().esoKeys, s, {s - 13, 38});
        SetRow(keys().esoKeys, 1, {36, 40});
        for (int g = 1; g <= 12; ++g) {
            SetRow(keys().qualityKeys, g, {1 + g % 3});
            SetRow(keys().interestKeys, g, {1 + g % 2});
        }
    }

    QuestionnaireLoads& keys() { return enlace.degreeTables.questionnaire; }
    const EsoQuestionnaireTables& eso() const { return enlace.guidance.eso; }

    TempFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
};

TEST_F(QuestionnaireLoadTest, TheEsoScreenReadsQuestionsItemsAndItineraries) {
    LoadEsoScreenQuestionnaires(enlace);
    ASSERT_FALSE(enlace.stopFlag);
    EXPECT_EQ(eso().questionCount(), 40);
    EXPECT_EQ(eso().question(1).weightClass, 3);
    EXPECT_EQ(eso().question(1).answerKind, 4);
    EXPECT_EQ(eso().question(40).weightClass, 5);
    EXPECT_EQ(eso().question(40).text, "Pregunta 40" + std::string(37, ' '));
    EXPECT_EQ(eso().question(41).answerKind, 0);
    // "cuesgm": the areas apart, the items moved down with their two area digits.
    EXPECT_EQ(eso().intermediateAreas.count, 11);
    EXPECT_EQ(eso().intermediateAreas[11].substr(0, 7), "Area 11");
    ASSERT_EQ(eso().itemCount(), 3);
    EXPECT_EQ(eso().itemText(1), "Primera pregunta" + std::string(54, ' '));
    EXPECT_EQ(eso().firstArea[1], 1);
    EXPECT_EQ(eso().secondArea[1], 2);
    EXPECT_EQ(eso().firstArea[2], 0);
    EXPECT_EQ(eso().firstArea[3], 9);
    EXPECT_EQ(eso().secondArea[3], 5);
    // "itinerar" at width 54, its count 20 whatever the file holds.
    EXPECT_EQ(eso().itineraries.count, 20);
    EXPECT_EQ(eso().itineraries[3].size(), 54u);
    EXPECT_EQ(eso().routeLabel(22), "Bachillerato de Artes plasticas y d");
    EXPECT_EQ(eso().routeLabel(21), "ITINERARIO RECOMENDADO" + std::string(13, ' '));
    EXPECT_EQ(eso().adviceLine(52).substr(0, 8), "Linea 52");
    EXPECT_EQ(eso().adviceLine(53), "");  // beyond the file
    EXPECT_EQ(eso().routeLabel(28), "");
}

TEST_F(QuestionnaireLoadTest, AMissingEsoFileStopsTheProgram) {
    QFile::remove(folder.file(QStringLiteral("cas/cuesgm")));
    LoadEsoScreenQuestionnaires(enlace);
    EXPECT_TRUE(enlace.stopFlag);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("cuesgm")));
}

TEST_F(QuestionnaireLoadTest, RefusesQuestionsTheShortTestCannotUse) {
    folder.writeLines(QStringLiteral("cas/cuestion"), Questions(34));
    EXPECT_THROW(LoadEsoScreenQuestionnaires(enlace), DataError);
    EXPECT_EQ(eso().questionCount(), 0);

    std::vector<std::string> questions = Questions(40);
    questions[6] = "x4Pregunta";
    folder.writeLines(QStringLiteral("cas/cuestion"), questions);
    try {
        LoadEsoScreenQuestionnaires(enlace);
        FAIL() << "a weight class that is no digit was accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Conversion);
        EXPECT_EQ(error.line(), 7);
    }
    EXPECT_EQ(eso().questionCount(), 0);
}

TEST_F(QuestionnaireLoadTest, RefusesQuestionListsThatBreakTheScores) {
    const auto refusedAt = [&](int row) {
        try {
            LoadEsoScreenQuestionnaires(enlace);
        } catch (const DataError& error) {
            EXPECT_TRUE(error.file().endsWith(QStringLiteral("cuestioESO")));
            return error.line() == row;
        }
        return false;
    };
    SetRow(keys().esoKeys, 16, {});
    EXPECT_TRUE(refusedAt(16));  // an empty habit scale divides by nothing
    SetRow(keys().esoKeys, 16, {38, 39});
    EXPECT_TRUE(refusedAt(16));  // the short test has no question of it
    SetRow(keys().esoKeys, 16, {3});
    SetRow(keys().esoKeys, 5, {12, 41});
    EXPECT_TRUE(refusedAt(5));  // question 41 does not exist
    EXPECT_EQ(eso().questionCount(), 0);
    // Groups without questions are allowed: they score 0.
    SetRow(keys().esoKeys, 5, {});
    LoadEsoScreenQuestionnaires(enlace);
    EXPECT_EQ(eso().questionCount(), 40);
}

TEST_F(QuestionnaireLoadTest, RefusesIntermediateItemsOutsideTheFormat) {
    const auto refused = [&](const std::vector<std::string>& lines, DataError::Kind kind,
                             int line) {
        folder.writeLines(QStringLiteral("cas/cuesgm"), lines);
        try {
            LoadEsoScreenQuestionnaires(enlace);
        } catch (const DataError& error) {
            EXPECT_EQ(error.kind(), kind);
            EXPECT_EQ(error.line(), line);
            return;
        }
        ADD_FAILURE() << "accepted";
    };
    refused(Intermediate({"12Uno", "1xDos"}), DataError::Kind::Conversion, 13);
    refused(Intermediate({" 2Uno"}), DataError::Kind::Conversion, 12);
    refused({"Area 1", "Area 2"}, DataError::Kind::Format, 3);
    refused(Intermediate(std::vector<std::string>(101, "11Item")), DataError::Kind::Capacity, 112);
    EXPECT_EQ(eso().itemCount(), 0);
    // One hundred items fit.
    folder.writeLines(QStringLiteral("cas/cuesgm"),
                      Intermediate(std::vector<std::string>(100, "11Item")));
    LoadEsoScreenQuestionnaires(enlace);
    EXPECT_EQ(eso().itemCount(), 100);
    EXPECT_EQ(eso().secondArea[100], 1);
}

TEST_F(QuestionnaireLoadTest, TheAdviceScreenNeedsEveryGroupListed) {
    LoadAdviceScreenData(enlace);
    EXPECT_EQ(enlace.guidance.advice.qualities.count, 3);
    EXPECT_EQ(enlace.guidance.advice.interests[2], "Musica" + std::string(54, ' '));
    SetRow(keys().interestKeys, 12, {});
    try {
        LoadAdviceScreenData(enlace);
        FAIL() << "an empty group was accepted";
    } catch (const DataError& error) {
        EXPECT_TRUE(error.file().endsWith(QStringLiteral("cuestioint")));
        EXPECT_EQ(error.line(), 12);
    }
    QFile::remove(folder.file(QStringLiteral("cas/cualidad")));
    LoadAdviceScreenData(enlace);  // the missing file stops the program before any check
    EXPECT_TRUE(enlace.stopFlag);
}

class ProfessionsLoadTest : public QuestionnaireLoadTest {
  protected:
    ProfessionsLoadTest() {
        folder.writeLines(QStringLiteral("cas/activida"),
                          {"SALU Salud y cuidados", "INFO Informatica"});
        folder.writeLines(
            QStringLiteral("cas/profesio"),
            {"P001 SALU " + std::string("Enfermero/a").append(29, ' ') + "  2 12",
             "P002 INFO Programador/a", "P003 INFO " + std::string(40, 'x') + " 3x   "});
        folder.writeLines(
            QStringLiteral("cas/fracortas"),
            {"SALU      Cuidar a personas", "INFO SALU Programar aparatos medicos", "INFO"});
        folder.writeLines(
            QStringLiteral("cas/fralargas"),
            {std::string(115, 'a') + "SALU INFO", std::string(115, 'b') + "SALU      INFO P001"});
    }
    const ProfessionsTables& tables() const { return enlace.guidance.professions; }
};

TEST_F(ProfessionsLoadTest, ReadsEveryFieldOfTheFourFiles) {
    folder.writeLines(QStringLiteral("cas/fracortas"),
                      std::vector<std::string>(12, "SALU      Frase"));
    LoadProfessionsScreenData(enlace);
    ASSERT_EQ(tables().activityCount(), 2);
    EXPECT_EQ(tables().activities[2].code, "INFO");
    EXPECT_EQ(tables().activities[2].name, "Informatica");
    ASSERT_EQ(tables().professionCount(), 3);
    const ProfessionRecord& nurse = tables().professions[1];
    EXPECT_EQ(nurse.code, "P001");
    EXPECT_EQ(nurse.activityCode, "SALU");
    EXPECT_EQ(nurse.name, "Enfermero/a" + std::string(29, ' '));
    EXPECT_EQ(nurse.firstPhrase, 2);
    EXPECT_EQ(nurse.secondPhrase, 12);
    // A short line is extended with blanks: no phrase numbers; a number stops at its digits.
    EXPECT_EQ(tables().professions[2].name, "Programador/a" + std::string(22, ' '));
    EXPECT_EQ(tables().professions[2].firstPhrase, 0);
    EXPECT_EQ(tables().professions[3].firstPhrase, 3);
    EXPECT_EQ(tables().professions[3].secondPhrase, 0);
    EXPECT_EQ(tables().phraseCount(), 12);
    ASSERT_EQ(tables().statementCount(), 2);
    const LongStatement& second = tables().statements[2];
    EXPECT_EQ(second.text, std::string(115, 'b'));
    EXPECT_EQ(second.codes[0], "SALU");
    EXPECT_TRUE(IsBlankCode(second.codes[1]));
    EXPECT_EQ(second.codes[2], "INFO");
    EXPECT_EQ(second.codes[3], "P001");
    EXPECT_TRUE(IsBlankCode(tables().statements[1].codes[3]));
}

TEST_F(ProfessionsLoadTest, ReadsShortPhrasesWithBlankSecondCodes) {
    folder.writeLines(QStringLiteral("cas/profesio"), {"P001 SALU Enfermero/a"});
    LoadProfessionsScreenData(enlace);
    ASSERT_EQ(tables().phraseCount(), 3);
    EXPECT_TRUE(IsBlankCode(tables().phrases[1].secondActivity));
    EXPECT_EQ(tables().phrases[2].secondActivity, "SALU");
    EXPECT_EQ(tables().phrases[2].text, "Programar aparatos medicos" + std::string(22, ' '));
    EXPECT_EQ(tables().phrases[3].text, std::string(16, ' '));  // what the extension leaves
}

TEST_F(ProfessionsLoadTest, RefusesWhatWouldBreakItsTables) {
    // Phrase 12 of a file of three: the screen would look past its phrases.
    EXPECT_THROW(LoadProfessionsScreenData(enlace), DataError);
    EXPECT_EQ(tables().professionCount(), 0);
    folder.writeLines(QStringLiteral("cas/fracortas"),
                      std::vector<std::string>(12, "SALU      Frase"));
    folder.writeLines(QStringLiteral("cas/activida"), std::vector<std::string>(31, "SALU Salud"));
    try {
        LoadProfessionsScreenData(enlace);
        FAIL() << "31 activities were accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Capacity);
        EXPECT_EQ(error.line(), 31);
    }
    // These readers have no missing-file message: the set-up stops with an error.
    folder.writeLines(QStringLiteral("cas/activida"), {"SALU Salud"});
    QFile::remove(folder.file(QStringLiteral("cas/fralargas")));
    try {
        LoadProfessionsScreenData(enlace);
        FAIL() << "a missing file was accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.kind(), DataError::Kind::Missing);
    }
    EXPECT_FALSE(enlace.stopFlag);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(ReadProfessionRecordsTest, ReadsCodeActivityAndNameOfShortLines) {
    TempFolder folder;
    const auto professions = ReadProfessionRecords(
        folder.writeLines(QStringLiteral("profesio"), {"P001 A002 Enfermera", "P2"}));
    ASSERT_EQ(professions.size(), 3u);
    EXPECT_EQ(professions[1].code, "P001");
    EXPECT_EQ(professions[1].activityCode, "A002");
    // The line is extended with 22 blanks before columns 11-50 are taken.
    EXPECT_EQ(professions[1].name, "Enfermera" + std::string(22, ' '));
    EXPECT_EQ(professions[2].code, "P2  ");
}

}  // namespace
}  // namespace velmora
