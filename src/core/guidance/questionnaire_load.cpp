#include "core/guidance/questionnaire_load.h"

#include "core/guidance/questionnaire_readers.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

constexpr int kAdviceItemWidth = 60;

// Throws the first problem found, naming the data-folder file the rows come from.
void Refuse(const std::vector<KeyRowProblem>& problems, const QString& path) {
    if (!problems.empty())
        throw DataError::Format(path, problems.front().row, problems.front().reason);
}

}  // namespace

std::vector<KeyRowProblem> EsoKeyProblems(const ByteGrid& esoKeys, int questionCount) {
    std::vector<KeyRowProblem> problems;
    for (int r = 1; r <= kEsoKeyRows; ++r) {
        const int n = esoKeys.at(r, 0);
        bool shortTest = false;
        for (int j = 1; j <= n; ++j) {
            const int q = esoKeys.at(r, j);
            if (q < 1 || q > questionCount) {
                problems.push_back(
                    {r, QStringLiteral("la pregunta %1 no está en «cuestion» (1..%2)")
                            .arg(q)
                            .arg(questionCount)});
                break;
            }
            shortTest = shortTest || q <= kShortTestQuestions;
        }
        if (r >= kFirstHabitScale && r <= kLastHabitScale && !shortTest) {
            problems.push_back(
                {r, QStringLiteral("la escala de hábitos %1 no tiene ninguna pregunta "
                                   "de la 1 a la %2")
                        .arg(r)
                        .arg(kShortTestQuestions)});
        }
    }
    return problems;
}

std::vector<KeyRowProblem> AdviceKeyProblems(const ByteGrid& keys, int itemCount) {
    std::vector<KeyRowProblem> problems;
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const int n = keys.at(g, 0);
        if (n == 0) {
            problems.push_back({g, QStringLiteral("el grupo %1 no tiene ningún elemento").arg(g)});
            continue;
        }
        if (itemCount < 0) continue;
        for (int j = 1; j <= n; ++j) {
            const int item = keys.at(g, j);
            if (item < 1 || item > itemCount) {
                problems.push_back({g, QStringLiteral("el elemento %1 no está en la lista (1..%2)")
                                           .arg(item)
                                           .arg(itemCount)});
                break;
            }
        }
    }
    return problems;
}

void LoadEsoScreenQuestionnaires(Enlace& enlace) {
    using T = EsoQuestionnaireTables;
    Readers& readers = enlace.readers;
    EsoQuestionnaireTables& eso = enlace.guidance.eso;
    const auto file = [&](const char* name) {
        return enlace.paths.languageFile(QLatin1String(name));
    };

    const QString questionsPath = file("cuestion");
    LineTable questions = MakePaddedTable();
    std::vector<QuestionRecord> records;
    if (readers.ReadPaddedTable(questionsPath, questions, T::kQuestionWidth)) {
        if (questions.count < kShortTestQuestions) {
            throw DataError::Format(questionsPath, questions.count + 1,
                                    QStringLiteral("hay %1 preguntas y el test corto necesita %2")
                                        .arg(questions.count)
                                        .arg(kShortTestQuestions));
        }
        records = QuestionRecords(questions, questionsPath);
    }
    ReadIntermediateQuestionnaire(readers, file("cuesgm"), eso);
    LineTable itineraries = MakePaddedTable();
    const bool itinerariesRead =
        readers.ReadPaddedTable(file("itinerar"), itineraries, T::kItineraryWidth);
    if (enlace.stopFlag) return;

    Refuse(EsoKeyProblems(enlace.degreeTables.questionnaire.esoKeys, questions.count),
           enlace.paths.dataFile(QStringLiteral("cuestioESO")));
    eso.questions = std::move(questions);
    eso.records = std::move(records);
    if (itinerariesRead) {
        eso.itineraries = std::move(itineraries);
        eso.itineraries.count = T::kItineraryLines;
        SplitItineraryTable(eso);
    }
}

void LoadAdviceScreenData(Enlace& enlace) {
    Readers& readers = enlace.readers;
    AdviceTables& advice = enlace.guidance.advice;
    const auto file = [&](const char* name) {
        return enlace.paths.languageFile(QLatin1String(name));
    };
    readers.ReadPaddedTable(file("cualidad"), advice.qualities, kAdviceItemWidth);
    readers.ReadPaddedTable(file("interes"), advice.interests, kAdviceItemWidth);
    if (enlace.stopFlag) return;
    const QuestionnaireLoads& keys = enlace.degreeTables.questionnaire;
    Refuse(AdviceKeyProblems(keys.qualityKeys, -1),
           enlace.paths.dataFile(QStringLiteral("cuestiocua")));
    Refuse(AdviceKeyProblems(keys.interestKeys, -1),
           enlace.paths.dataFile(QStringLiteral("cuestioint")));
}

void LoadProfessionsScreenData(Enlace& enlace) {
    const auto file = [&](const char* name) {
        return enlace.paths.languageFile(QLatin1String(name));
    };
    std::vector<ActivityRecord> activities = ReadActivities(file("activida"));
    const QString professionsPath = file("profesio");
    std::vector<ProfessionRecord> professions = ReadProfessionRecords(professionsPath);
    std::vector<ShortPhrase> phrases = ReadShortPhrases(file("fracortas"));
    std::vector<LongStatement> statements = ReadLongStatements(file("fralargas"));
    const int phraseCount = static_cast<int>(phrases.size()) - 1;
    for (size_t p = 1; p < professions.size(); ++p) {
        for (const int phrase : {professions[p].firstPhrase, professions[p].secondPhrase}) {
            if (phrase > phraseCount) {
                throw DataError::Format(professionsPath, static_cast<int>(p),
                                        QStringLiteral("la frase %1 no está en «fracortas» (1..%2)")
                                            .arg(phrase)
                                            .arg(phraseCount));
            }
        }
    }
    ProfessionsTables& tables = enlace.guidance.professions;
    tables.activities = std::move(activities);
    tables.professions = std::move(professions);
    tables.phrases = std::move(phrases);
    tables.statements = std::move(statements);
}

}  // namespace velmora
