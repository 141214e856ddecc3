#include "core/guidance/questionnaire_check.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <set>

#include "core/guidance/questionnaire_load.h"
#include "core/guidance/questionnaire_readers.h"
#include "core/shared/cp1252.h"
#include "core/shared/cross_file_check.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "core/shared/fields.h"
#include "core/shared/messages.h"
#include "core/shared/text_file.h"
#include "core/university/degree_tables.h"

namespace velmora {
namespace {

using Eso = EsoQuestionnaireTables;

constexpr int kRankedNameWidth = 45;  // what the ESO ranking shows of a group name
constexpr int kSecondGroupKey = 20;   // the second recommendation finds its group by these
constexpr int kPagePhrases = 44;      // four pages of eleven phrases
constexpr int kKeptStatements = 3;    // a student goes on with one to three statements

int Length(std::string_view text) {
    return static_cast<int>(TrimRight(text).size());
}
QString Text(std::string_view bytes) {
    return cp1252::Decode(TrimRight(bytes.substr(0, 40)));
}

// What one language folder holds of the questionnaires; a file that is absent or refused by its
// reader stays empty.
struct LanguageFiles {
    QString folder;
    std::optional<LineTable> questions;    // "cuestion"
    std::optional<LineTable> itineraries;  // "itinerar" at width 54
    std::optional<int> qualities;          // line counts of "cualidad" and "interes"
    std::optional<int> interests;
    std::optional<Eso> intermediate;  // "cuesgm"
    std::optional<std::vector<ActivityRecord>> activities;
    std::optional<std::vector<ProfessionRecord>> professions;
    std::optional<std::vector<ShortPhrase>> phrases;
    std::optional<std::vector<LongStatement>> statements;
};

// The numbers of a file that must not differ from one language to another, line by line.
template <typename Record, typename Key>
std::vector<std::string> Keys(const std::vector<Record>& records, Key key) {
    std::vector<std::string> keys;
    for (size_t k = 1; k < records.size(); ++k) keys.push_back(key(records[k]));
    return keys;
}

class QuestionnaireChecker : private CrossFileCheck {
  public:
    QuestionnaireChecker(const DataPaths& paths, std::vector<DataProblem>& problems)
        : CrossFileCheck(paths, problems), readers_(messages_, stop_, buffer_) {}

    void run() {
        readKeys();
        checkEmptyAdviceRows();
        for (int code = 0; code < kLanguageCount; ++code) {
            LanguageFiles files = read(code);
            checkQuestions(files);
            checkItineraries(files);
            checkAdviceKeys(files);
            checkProfessions(files);
            languages_.push_back(std::move(files));
        }
        compareLanguages();
        checkPools();
        checkDegreeProfessions();
    }

  private:
    template <typename F>
    auto attempt(const QString& path, F read, bool report) -> std::optional<decltype(read())> {
        if (!QFileInfo(path).isFile()) return std::nullopt;
        try {
            return read();
        } catch (const DataError& error) {
            if (report) add(error.file(), error.line(), error.reason());
            return std::nullopt;
        }
    }

    std::optional<ByteGrid> readKeyFile(const char* name) {
        const QString path = paths_.dataFile(QLatin1String(name));
        return attempt(
            path,
            [&] {
                ByteGrid keys = MakeCountedBytesTable();
                readers_.ReadCountedBytes(path, keys);
                return keys;
            },
            false);
    }

    void readKeys() {
        esoKeys_ = readKeyFile("cuestioESO");
        qualityKeys_ = readKeyFile("cuestiocua");
        interestKeys_ = readKeyFile("cuestioint");
    }

    // A table of a generic reader; what that reader refuses is the catalogue pass's to report.
    std::optional<LineTable> padded(const QString& path, int width) {
        return attempt(
            path,
            [&] {
                LineTable table = MakePaddedTable();
                readers_.ReadPaddedTable(path, table, width);
                return table;
            },
            false);
    }

    LanguageFiles read(int code) {
        LanguageFiles files;
        files.folder = paths_.languageFolder(code);
        const auto file = [&](const char* name) { return files.folder + QLatin1String(name); };
        files.questions = padded(file("cuestion"), Eso::kQuestionWidth);
        files.itineraries = padded(file("itinerar"), Eso::kItineraryWidth);
        if (const auto t = padded(file("cualidad"), 60)) files.qualities = t->count;
        if (const auto t = padded(file("interes"), 60)) files.interests = t->count;
        const QString items = file("cuesgm");
        if (padded(items, Eso::kItemWidth)) {
            files.intermediate = attempt(
                items,
                [&] {
                    Eso eso;
                    ReadIntermediateQuestionnaire(readers_, items, eso);
                    return eso;
                },
                true);
        }
        files.activities = attempt(
            file("activida"), [&] { return ReadActivities(file("activida")); }, true);
        files.professions = attempt(
            file("profesio"), [&] { return ReadProfessionRecords(file("profesio")); }, true);
        files.phrases = attempt(
            file("fracortas"), [&] { return ReadShortPhrases(file("fracortas")); }, true);
        files.statements = attempt(
            file("fralargas"), [&] { return ReadLongStatements(file("fralargas")); }, true);
        return files;
    }

    void checkQuestions(const LanguageFiles& files) {
        if (!files.questions) return;
        const QString path = files.folder + QStringLiteral("cuestion");
        const LineTable& questions = *files.questions;
        if (questions.count < kShortTestQuestions) {
            add(path, 0,
                QStringLiteral("hay %1 preguntas y el test corto necesita %2")
                    .arg(questions.count)
                    .arg(kShortTestQuestions));
        }
        try {
            const std::vector<QuestionRecord> records = QuestionRecords(questions, path);
            for (int q = 1; q <= questions.count; ++q) {
                const int kind = records[static_cast<size_t>(q)].answerKind;
                if (kind < 2 || kind > 6)
                    add(path, q, QStringLiteral("el tipo de respuesta %1 no es 2..6").arg(kind));
            }
        } catch (const DataError& error) {
            add(error.file(), error.line(), error.reason());
        }
        if (esoKeys_ && checkedQuestionCounts_.insert(questions.count).second) {
            for (const KeyRowProblem& p : EsoKeyProblems(*esoKeys_, questions.count))
                add(paths_.dataFile(QStringLiteral("cuestioESO")), p.row,
                    p.reason + QStringLiteral(" (") + path + QLatin1Char(')'));
        }
    }

    void checkItineraries(const LanguageFiles& files) {
        if (!files.itineraries) return;
        const QString path = files.folder + QStringLiteral("itinerar");
        const LineTable& t = *files.itineraries;
        const auto present = [&](int n, const char* what) {
            if (n > t.count || TrimRight(t[n]).empty())
                add(path, n, QStringLiteral("falta %1").arg(QLatin1String(what)));
        };
        std::set<std::string> heads;
        for (int g = 1; g <= kEsoGroups; ++g) {
            present(g, "el nombre del grupo");
            if (Length(t[g]) > kRankedNameWidth)
                add(path, g,
                    QStringLiteral(
                        "el nombre del grupo tiene %1 caracteres y el resultado muestra %2")
                        .arg(Length(t[g]))
                        .arg(kRankedNameWidth));
            if (t[g].starts_with("  "))
                add(path, g,
                    QStringLiteral("dos blancos al principio pintan la fila como un título"));
            if (!heads.insert(std::string(Bounded(t[g], kSecondGroupKey))).second)
                add(path, g,
                    QStringLiteral("los 20 primeros caracteres repiten los de otro grupo"));
        }
        for (int n = Eso::kFirstRouteLabel; n <= Eso::kLastRouteLabel; ++n) {
            present(n, "el rótulo del itinerario");
            if (Length(t[n]) > Eso::kRouteLabelWidth)
                add(path, n,
                    QStringLiteral("el rótulo tiene %1 caracteres y caben %2")
                        .arg(Length(t[n]))
                        .arg(Eso::kRouteLabelWidth));
        }
        // The full result shows advice lines 30 and 32-52.
        for (int n : {30, 32, 33, 34}) present(n, "la línea de consejo");
        for (int n = 35; n <= 52; ++n) present(n, "la línea de consejo");
    }

    // The empty rows are the same whatever the language: reported once, before the languages.
    void checkEmptyAdviceRows() {
        for (const auto& [keys, name] :
             {std::pair{&qualityKeys_, "cuestiocua"}, std::pair{&interestKeys_, "cuestioint"}}) {
            if (!*keys) continue;
            for (const KeyRowProblem& p : AdviceKeyProblems(**keys, -1))
                add(paths_.dataFile(QLatin1String(name)), p.row, p.reason);
        }
    }

    void checkAdviceKeys(const LanguageFiles& files) {
        const struct {
            const std::optional<ByteGrid>& keys;
            const std::optional<int>& count;
            const char* file;
            const char* list;
        } pairs[] = {{qualityKeys_, files.qualities, "cuestiocua", "cualidad"},
                     {interestKeys_, files.interests, "cuestioint", "interes"}};
        for (const auto& pair : pairs) {
            if (!pair.keys || !pair.count) continue;
            for (const KeyRowProblem& p : AdviceKeyProblems(*pair.keys, *pair.count)) {
                if (pair.keys->at(p.row, 0) == 0) continue;  // already reported
                add(paths_.dataFile(QLatin1String(pair.file)), p.row,
                    p.reason + QStringLiteral(" (") + files.folder + QLatin1String(pair.list) +
                        QLatin1Char(')'));
            }
        }
    }

    void checkProfessions(const LanguageFiles& files) {
        const auto file = [&](const char* name) { return files.folder + QLatin1String(name); };
        std::set<std::string> activities;
        if (files.activities) {
            for (size_t k = 1; k < files.activities->size(); ++k) {
                const std::string& code = (*files.activities)[k].code;
                const int line = static_cast<int>(k);
                if (code.find(' ') != std::string::npos)
                    add(file("activida"), line,
                        QStringLiteral("el código «%1» no tiene cuatro caracteres")
                            .arg(Text(code)));
                else if (!activities.insert(code).second)
                    add(file("activida"), line,
                        QStringLiteral("el código %1 se repite").arg(Text(code)));
            }
        }
        std::set<std::string> professionCodes;
        if (files.professions) {
            const int phrases = files.phrases ? static_cast<int>(files.phrases->size()) - 1 : -1;
            for (size_t p = 1; p < files.professions->size(); ++p) {
                const ProfessionRecord& profession = (*files.professions)[p];
                const int line = static_cast<int>(p);
                professionCodes.insert(profession.code);
                if (files.activities && !activities.count(profession.activityCode))
                    add(file("profesio"), line,
                        QStringLiteral("la actividad «%1» no está en «activida»")
                            .arg(Text(profession.activityCode)));
                if (profession.firstPhrase == 0)
                    add(file("profesio"), line,
                        QStringLiteral("la profesión no tiene ninguna frase"));
                for (const int phrase : {profession.firstPhrase, profession.secondPhrase}) {
                    if (phrases >= 0 && phrase > phrases)
                        add(file("profesio"), line,
                            QStringLiteral("la frase %1 no está en «fracortas» (1..%2)")
                                .arg(phrase)
                                .arg(phrases));
                }
            }
        }
        if (files.phrases && files.activities) {
            for (size_t k = 1; k < files.phrases->size(); ++k) {
                const ShortPhrase& phrase = (*files.phrases)[k];
                const int line = static_cast<int>(k);
                if (!activities.count(phrase.firstActivity))
                    add(file("fracortas"), line,
                        QStringLiteral("la actividad «%1» no está en «activida»")
                            .arg(Text(phrase.firstActivity)));
                if (!IsBlankCode(phrase.secondActivity) && !activities.count(phrase.secondActivity))
                    add(file("fracortas"), line,
                        QStringLiteral("la actividad «%1» no está en «activida»")
                            .arg(Text(phrase.secondActivity)));
            }
        }
        if (files.statements && files.activities && files.professions) {
            for (size_t k = 1; k < files.statements->size(); ++k) {
                const LongStatement& statement = (*files.statements)[k];
                const int line = static_cast<int>(k);
                int codes = 0;
                for (const std::string& code : statement.codes) {
                    if (IsBlankCode(code)) continue;
                    ++codes;
                    if (!activities.count(code) && !professionCodes.count(code))
                        add(file("fralargas"), line,
                            QStringLiteral("el código «%1» no es una actividad ni una profesión")
                                .arg(Text(code)));
                }
                if (codes == 0)
                    add(file("fralargas"), line, QStringLiteral("la frase no tiene ningún código"));
            }
        }
    }

    // Each file whose numbers tie it to others must hold the same numbers in every language.
    void compareLanguages() {
        const auto compare = [&](const char* name, auto keysOf) {
            std::optional<std::vector<std::string>> first;
            for (const LanguageFiles& files : languages_) {
                std::optional<std::vector<std::string>> keys = keysOf(files);
                if (!keys) continue;
                if (!first) {
                    first = std::move(keys);
                    continue;
                }
                const QString path = files.folder + QLatin1String(name);
                if (keys->size() != first->size()) {
                    add(path, 0,
                        QStringLiteral("tiene %1 líneas y la primera lengua %2")
                            .arg(keys->size())
                            .arg(first->size()));
                    continue;
                }
                for (size_t k = 0; k < keys->size(); ++k) {
                    if ((*keys)[k] != (*first)[k]) {
                        add(path, static_cast<int>(k) + 1,
                            QStringLiteral("los números no son los de la primera lengua"));
                        break;
                    }
                }
            }
        };
        using Keys_ = std::optional<std::vector<std::string>>;
        compare("cuestion", [](const LanguageFiles& f) -> Keys_ {
            if (!f.questions) return std::nullopt;
            std::vector<std::string> keys;
            for (int q = 1; q <= f.questions->count; ++q)
                keys.push_back((*f.questions)[q].substr(0, 2));
            return keys;
        });
        compare("cualidad", [](const LanguageFiles& f) -> Keys_ {
            if (!f.qualities) return std::nullopt;
            return std::vector<std::string>(static_cast<size_t>(*f.qualities));
        });
        compare("interes", [](const LanguageFiles& f) -> Keys_ {
            if (!f.interests) return std::nullopt;
            return std::vector<std::string>(static_cast<size_t>(*f.interests));
        });
        compare("cuesgm", [](const LanguageFiles& f) -> Keys_ {
            if (!f.intermediate) return std::nullopt;
            std::vector<std::string> keys;
            for (int i = 1; i <= f.intermediate->itemCount(); ++i)
                keys.push_back(f.intermediate->intermediateItems[i].substr(0, 2));
            return keys;
        });
        compare("activida", [](const LanguageFiles& f) -> Keys_ {
            if (!f.activities) return std::nullopt;
            return Keys(*f.activities, [](const ActivityRecord& a) { return a.code; });
        });
        compare("profesio", [](const LanguageFiles& f) -> Keys_ {
            if (!f.professions) return std::nullopt;
            return Keys(*f.professions, [](const ProfessionRecord& p) {
                return p.code + p.activityCode + ";" + std::to_string(p.firstPhrase) + ";" +
                       std::to_string(p.secondPhrase);
            });
        });
        compare("fracortas", [](const LanguageFiles& f) -> Keys_ {
            if (!f.phrases) return std::nullopt;
            return Keys(*f.phrases,
                        [](const ShortPhrase& p) { return p.firstActivity + p.secondActivity; });
        });
        compare("fralargas", [](const LanguageFiles& f) -> Keys_ {
            if (!f.statements) return std::nullopt;
            return Keys(*f.statements, [](const LongStatement& s) {
                return s.codes[0] + s.codes[1] + s.codes[2] + s.codes[3];
            });
        });
    }

    // The phrases the pages offer for the kept statements, gathered as the professions screen
    // gathers them: by profession code, then by activity code; first phrase, then second.
    static std::vector<int> PhrasePool(const std::vector<std::string>& codes,
                                       const std::vector<ProfessionRecord>& professions) {
        std::vector<int> pool;
        for (int pass = 0; pass < 4; ++pass) {
            for (size_t p = 1; p < professions.size(); ++p) {
                const ProfessionRecord& profession = professions[p];
                const std::string& key = pass < 2 ? profession.code : profession.activityCode;
                const int phrase = pass % 2 == 0 ? profession.firstPhrase : profession.secondPhrase;
                for (const std::string& code : codes) {
                    if (key == code && phrase != 0 &&
                        std::find(pool.begin(), pool.end(), phrase) == pool.end())
                        pool.push_back(phrase);
                }
            }
        }
        return pool;
    }

    // Every choice of one to three statements must lead to phrases that fit the four pages, and
    // a single statement to at least one phrase. The codes agree across languages, so the first
    // language that has the files speaks for all.
    void checkPools() {
        for (const LanguageFiles& files : languages_) {
            if (!files.statements || !files.professions) continue;
            const std::vector<LongStatement>& statements = *files.statements;
            const int count = static_cast<int>(statements.size()) - 1;
            const QString path = files.folder + QStringLiteral("fralargas");
            std::vector<int> kept;
            const auto visit = [&](auto& self, int from) -> void {
                if (!kept.empty()) {
                    std::vector<std::string> codes;
                    for (const int s : kept)
                        for (const std::string& code : statements[static_cast<size_t>(s)].codes)
                            if (!IsBlankCode(code) &&
                                std::find(codes.begin(), codes.end(), code) == codes.end())
                                codes.push_back(code);
                    const size_t pool = PhrasePool(codes, *files.professions).size();
                    if (pool > kPagePhrases || (kept.size() == 1 && pool == 0)) {
                        QStringList names;
                        for (const int s : kept) names << QString::number(s);
                        add(path, kept.front(),
                            QStringLiteral("las frases %1 llevan a %2 frases cortas y caben 1..%3")
                                .arg(names.join(QLatin1Char('+')))
                                .arg(pool)
                                .arg(kPagePhrases));
                    }
                }
                if (static_cast<int>(kept.size()) == kKeptStatements) return;
                for (int s = from; s <= count; ++s) {
                    kept.push_back(s);
                    self(self, s + 1);
                    kept.pop_back();
                }
            };
            visit(visit, 1);
            return;
        }
    }

    // Fields 4-7 of every degree name professions of "profesio" (0 for none).
    void checkDegreeProfessions() {
        const QString path = paths_.dataFile(QStringLiteral("datgradosphp"));
        std::optional<int> professions;
        for (const LanguageFiles& files : languages_) {
            if (files.professions) {
                professions = static_cast<int>(files.professions->size()) - 1;
                break;
            }
        }
        if (!professions || !QFileInfo(path).isFile()) return;
        try {
            const TextLines file = ReadTextFile(path);
            for (size_t r = 0; r < file.lines.size(); ++r) {
                const std::vector<std::string_view> fields = SplitFields(file.lines[r]);
                for (int f = DegreeTables::kFirstProfession; f <= DegreeTables::kLastProfession;
                     ++f) {
                    if (static_cast<size_t>(f) >= fields.size()) break;
                    const auto value = ToInteger(fields[static_cast<size_t>(f)]);
                    if (value && (*value < 0 || *value > *professions))
                        add(path, static_cast<int>(r) + 1,
                            QStringLiteral("la profesión %1 no está en «profesio» (1..%2)")
                                .arg(*value)
                                .arg(*professions));
                }
            }
        } catch (const DataError&) {
            // Its own reader reports what is wrong with the file.
        }
    }

    QuietMessages messages_;
    bool stop_ = false;
    LineBuffer buffer_;
    Readers readers_;
    std::optional<ByteGrid> esoKeys_;
    std::optional<ByteGrid> qualityKeys_;
    std::optional<ByteGrid> interestKeys_;
    std::vector<LanguageFiles> languages_;
    std::set<int> checkedQuestionCounts_;  // "cuestioESO" is checked once per count of questions
};

}  // namespace

void CheckQuestionnaireData(const DataPaths& paths, std::vector<DataProblem>& problems) {
    QuestionnaireChecker(paths, problems).run();
}

}  // namespace velmora
