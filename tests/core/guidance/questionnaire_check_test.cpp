#include "core/guidance/questionnaire_check.h"

#include <gtest/gtest.h>

#include "core/shared/data_paths.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

std::vector<std::string> Repeat(int count, const std::string& line) {
    return std::vector<std::string>(static_cast<size_t>(count), line);
}

std::string Profession(const std::string& code, const std::string& activity,
                       const std::string& name, const std::string& phrases) {
    std::string line = code + " " + activity + " " + name;
    line.resize(50, ' ');
    return line + phrases;
}

// A small questionnaire folder, Castilian only, that breaks no rule; each test breaks one.
class QuestionnaireCheckTest : public ::testing::Test {
  protected:
    QuestionnaireCheckTest() {
        std::vector<std::string> eso = Repeat(13, "1;36");
        for (int s = 14; s <= 19; ++s) eso.push_back("2;" + std::to_string(s - 13) + ";36");
        folder.writeLines(QStringLiteral("cuestioESO"), eso);
        folder.writeLines(QStringLiteral("cuestiocua"), Repeat(12, "2;1;2"));
        folder.writeLines(QStringLiteral("cuestioint"), Repeat(12, "1;2"));
        language("cuestion", Repeat(36, "34Pregunta"));
        language("cualidad", {"Ordenado", "Curioso"});
        language("interes", {"Animales", "Musica"});
        std::vector<std::string> areas = Repeat(11, "Area");
        areas.push_back("12Item");
        language("cuesgm", areas);
        std::vector<std::string> itineraries;
        for (int n = 1; n <= 52; ++n) itineraries.push_back("Linea numero " + std::to_string(n));
        language("itinerar", itineraries);
        language("activida", {"SALU Salud", "INFO Informatica"});
        language("profesio", {Profession("P001", "SALU", "Medico/a", "  1  2"),
                              Profession("P002", "INFO", "Programador/a", "  2")});
        language("fracortas", {"SALU      Curar", "INFO SALU Programar aparatos medicos"});
        language("fralargas",
                 {std::string(115, 'a') + "SALU", std::string(115, 'b') + "INFO P002"});
        folder.writeLines(QStringLiteral("datgradosphp"), {"1;0;3;0;1;2;0;0;0;1;0;0;0;0"});
    }

    void language(const char* name, const std::vector<std::string>& lines,
                  const char* folderName = "cas/") {
        folder.writeLines(QLatin1String(folderName) + QLatin1String(name), lines);
    }

    std::vector<DataProblem> check() const {
        std::vector<DataProblem> problems;
        CheckQuestionnaireData(DataPaths::ForDataFolder(folder.path()), problems);
        return problems;
    }

    // The problems reported for one file, as "line: reason".
    std::vector<std::string> problemsOf(const char* file) const {
        std::vector<std::string> found;
        for (const DataProblem& p : check())
            if (p.file.endsWith(QLatin1Char('/') + QLatin1String(file)))
                found.push_back(std::to_string(p.line) + ": " + p.reason.toStdString());
        return found;
    }

    TempFolder folder;
};

std::string Joined(const std::vector<DataProblem>& problems) {
    std::string text;
    for (const DataProblem& p : problems) text += p.toString().toStdString() + "\n";
    return text;
}

TEST_F(QuestionnaireCheckTest, ASoundFolderHasNoProblem) {
    EXPECT_EQ(check().size(), 0u) << Joined(check());
}

TEST_F(QuestionnaireCheckTest, QuestionListsMustFitTheQuestionsAndTheirDivisors) {
    folder.writeLines(QStringLiteral("cuestioESO"),
                      {"1;36", "1;37", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1;1",
                       "1;36", "1;3", "1;4", "1;5", "1;6"});
    const std::vector<std::string> eso = problemsOf("cuestioESO");
    ASSERT_EQ(eso.size(), 2u);
    EXPECT_EQ(eso[0].substr(0, 3), "2: ");   // question 37 of 36
    EXPECT_EQ(eso[1].substr(0, 4), "15: ");  // a habit scale without a short-test question

    std::vector<std::string> qualities = Repeat(12, "1;1");
    qualities[4] = "0";
    folder.writeLines(QStringLiteral("cuestiocua"), qualities);
    std::vector<std::string> interests = Repeat(12, "1;2");
    interests[2] = "2;1;3";
    folder.writeLines(QStringLiteral("cuestioint"), interests);
    EXPECT_EQ(problemsOf("cuestiocua").size(), 1u);
    EXPECT_EQ(problemsOf("cuestiocua").at(0).substr(0, 3), "5: ");
    EXPECT_EQ(problemsOf("cuestioint").size(), 1u);
    EXPECT_EQ(problemsOf("cuestioint").at(0).substr(0, 3), "3: ");  // item 3 of 2
}

TEST_F(QuestionnaireCheckTest, QuestionsItemsAndItinerariesKeepTheirFormat) {
    std::vector<std::string> questions = Repeat(36, "34Pregunta");
    questions[9] = "37Pregunta";
    language("cuestion", questions);
    ASSERT_EQ(problemsOf("cuestion").size(), 1u);
    EXPECT_EQ(problemsOf("cuestion")[0].substr(0, 4), "10: ");
    language("cuestion", Repeat(30, "34Pregunta"));
    EXPECT_EQ(problemsOf("cuestion").size(), 1u);  // fewer than the short test
    EXPECT_FALSE(problemsOf("cuestioESO").empty());

    std::vector<std::string> items = Repeat(11, "Area");
    items.push_back("1-Item");
    language("cuesgm", items);
    ASSERT_EQ(problemsOf("cuesgm").size(), 1u);
    EXPECT_EQ(problemsOf("cuesgm")[0].substr(0, 4), "12: ");

    std::vector<std::string> itineraries;
    for (int n = 1; n <= 52; ++n) itineraries.push_back("Linea numero " + std::to_string(n));
    itineraries[2] = "Linea numero 2       y algo mas";  // shares 20 characters with line 2
    itineraries[23] = std::string(36, 'r');              // a route label of 36 characters
    itineraries[40] = "";                                // an advice line the result shows
    language("itinerar", itineraries);
    const std::vector<std::string> found = problemsOf("itinerar");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].substr(0, 3), "3: ");
    EXPECT_EQ(found[1].substr(0, 4), "24: ");
    EXPECT_EQ(found[2].substr(0, 4), "41: ");
}

TEST_F(QuestionnaireCheckTest, CodesResolveBetweenActivitiesProfessionsPhrasesAndStatements) {
    language("profesio", {Profession("P001", "SALU", "Medico/a", "  1  3"),
                          Profession("P002", "XXXX", "Programador/a", "  0")});
    const std::vector<std::string> professions = problemsOf("profesio");
    ASSERT_EQ(professions.size(), 3u);
    EXPECT_EQ(professions[0].substr(0, 3), "1: ");  // phrase 3 of 2
    EXPECT_EQ(professions[1].substr(0, 3), "2: ");  // an unknown activity
    EXPECT_EQ(professions[2].substr(0, 3), "2: ");  // no phrase at all

    language("fracortas", {"SALU      Curar", "INFO NADA Programar"});
    language("fralargas", {std::string(115, 'a') + "SALU ABCD", std::string(115, 'b')});
    EXPECT_EQ(problemsOf("fracortas").size(), 1u);
    const std::vector<std::string> statements = problemsOf("fralargas");
    ASSERT_EQ(statements.size(), 3u);
    EXPECT_EQ(statements[0].substr(0, 3), "1: ");  // ABCD names nothing
    EXPECT_EQ(statements[1].substr(0, 3), "2: ");  // no code at all
    EXPECT_EQ(statements[2].substr(0, 3), "2: ");  // so no phrase to choose from

    // Statement codes may name a profession, not only an activity.
    language("fralargas", {std::string(115, 'a') + "P001"});
    EXPECT_TRUE(problemsOf("fralargas").empty());
}

TEST_F(QuestionnaireCheckTest, EveryChoiceOfStatementsFitsThePhrasePages) {
    std::vector<std::string> professions, phrases;
    for (int k = 1; k <= 45; ++k) {
        professions.push_back(Profession("P" + std::to_string(100 + k), k <= 23 ? "SALU" : "INFO",
                                         "Oficio", (k < 10 ? "  " : " ") + std::to_string(k)));
        phrases.push_back(k <= 23 ? "SALU      Frase" : "INFO      Frase");
    }
    language("profesio", professions);
    language("fracortas", phrases);
    // Either statement alone gives 23 or 22 phrases; both together 45, one more than four pages.
    language("fralargas", {std::string(115, 'a') + "SALU", std::string(115, 'b') + "INFO"});
    const std::vector<std::string> found = problemsOf("fralargas");
    ASSERT_EQ(found.size(), 1u) << found[0];
    EXPECT_NE(found[0].find("1+2"), std::string::npos) << found[0];
}

TEST_F(QuestionnaireCheckTest, TheLanguagesAgreeOnEveryNumber) {
    language("profesio",
             {Profession("P001", "SALU", "Metge/essa", "  1  2"),
              Profession("P002", "INFO", "Programador/a", "  1")},
             "catVal/");
    language("cuestion", Repeat(37, "34Pregunta"), "catVal/");
    language("activida", {"SALU Salut", "INFO Informatica"}, "catVal/");
    std::vector<DataProblem> problems = check();
    ASSERT_EQ(problems.size(), 2u) << Joined(problems);
    EXPECT_TRUE(problems[0].file.endsWith(QStringLiteral("catVal/cuestion")));
    EXPECT_EQ(problems[1].line, 2);
    EXPECT_TRUE(problems[1].file.endsWith(QStringLiteral("catVal/profesio")));
}

TEST_F(QuestionnaireCheckTest, DegreesLeadToProfessionsThatExist) {
    folder.writeLines(QStringLiteral("datgradosphp"),
                      {"1;0;3;0;1;2;0;0;0;1;0;0;0;0", "1;0;3;0;0;0;0;3;0;2;0;0;0;0"});
    const std::vector<std::string> found = problemsOf("datgradosphp");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].substr(0, 3), "2: ");
}

TEST(BundledQuestionnaireDataTest, BreaksNoRule) {
    std::vector<DataProblem> problems;
    CheckQuestionnaireData(DataPaths::ForDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA)),
                           problems);
    EXPECT_EQ(problems.size(), 0u) << Joined(problems);
}

}  // namespace
}  // namespace velmora
