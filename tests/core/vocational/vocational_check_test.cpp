#include "core/vocational/vocational_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/shared/data_paths.h"
#include "core/vocational/vocational_fixture.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::CentreLine;
using testing::VocationalFolder;

std::vector<DataProblem> Check(const VocationalFolder& folder) {
    std::vector<DataProblem> problems;
    CheckVocationalData(DataPaths::ForDataFolder(folder.path()), problems);
    return problems;
}

std::string Describe(const std::vector<DataProblem>& problems) {
    std::string out;
    for (const DataProblem& p : problems) out += p.toString().toStdString() + "\n";
    return out;
}

TEST(VocationalCheckTest, AConsistentFolderHasNoProblem) {
    VocationalFolder folder;
    const auto problems = Check(folder);
    EXPECT_TRUE(problems.empty()) << Describe(problems);
}

TEST(VocationalCheckTest, TheArtsAndSportsTitlesMayHaveNoFamily) {
    VocationalFolder folder;
    folder.factsGS[53] = "0;0;0;0;1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0";  // the "|" title
    folder.data("datfpsphp", folder.factsGS);
    folder.factsGM[55] = "0;0;0;0;0;0;0";  // the "!" title
    folder.data("datfpmphp", folder.factsGM);
    const auto problems = Check(folder);
    EXPECT_TRUE(problems.empty()) << Describe(problems);
}

TEST(VocationalCheckTest, TheDataCheckerReadsTheComarcasWithTheirOwnReaders) {
    VocationalFolder folder;
    folder.comarcas[6] = "8F  Comarca sin numero";
    folder.data("comarcas", folder.comarcas);
    folder.data("comarcasm", {"8101Centro", "8129Fuera"});
    const DataCheckResult result = CheckDataFolder(folder.path());
    const auto has = [&](const QString& file, int line, const QString& reason) {
        for (const DataProblem& p : result.problems) {
            if (p.file.endsWith(file) && p.line == line && p.reason.contains(reason)) return true;
        }
        return false;
    };
    EXPECT_TRUE(has(QStringLiteral("/comarcas"), 0, QStringLiteral("mal 7")))
        << Describe(result.problems);
    EXPECT_TRUE(has(QStringLiteral("/comarcasm"), 2, QStringLiteral("29")))
        << Describe(result.problems);
}

// The catalogue of titles shows a family through any of its lists; one with nothing in any is
// reported at its line of "familias".
TEST(VocationalCheckTest, AFamilyWithoutAnyEntryOfTheCatalogueIsReported) {
    struct Case {
        const char* name;
        int lastDegreeFamily;  // degrees of families 1..this one
        std::vector<int> reported;
    };
    const Case cases[] = {{"every family with a degree", 26, {}},
                          {"the last family without anything", 25, {26}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VocationalFolder folder;
        std::vector<std::string> degrees;
        for (int f = 1; f <= c.lastDegreeFamily; ++f)
            degrees.push_back("1;1;0;0;0;0;0;0;" + std::to_string(f) + ";" + std::to_string(f) +
                              ";0;0;0;0");
        folder.data("datgradosphp", degrees);
        // Without a degree, the titles are all the fixture's last family has: taken away.
        auto dropFamily = [&](std::vector<std::string>& rows, size_t field, const char* name) {
            if (c.lastDegreeFamily == 26) return;
            for (std::string& row : rows) {
                QStringList cells = QString::fromStdString(row).split(QLatin1Char(';'));
                if (cells.value(static_cast<int>(field)) == QLatin1String("26"))
                    cells[static_cast<int>(field)] = QStringLiteral("0");
                row = cells.join(QLatin1Char(';')).toStdString();
            }
            folder.data(name, rows);
        };
        dropFamily(folder.factsGS, 23, "datfpsphp");
        dropFamily(folder.factsGM, 3, "datfpmphp");
        std::vector<int> reported;
        for (const DataProblem& p : Check(folder))
            if (p.file.endsWith(QLatin1String("cas/familias"))) reported.push_back(p.line);
        EXPECT_EQ(reported, c.reported);
    }
}

struct Broken {
    const char* what;
    std::function<void(VocationalFolder&)> breakIt;
    const char* file;  // the end of the path of the problem expected
    int line;
};

// Shown by the test runner for the case's parameter.
void PrintTo(const Broken& broken, std::ostream* out) {
    *out << broken.what;
}

class BrokenFolderTest : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenFolderTest, IsReportedAtItsFileAndLine) {
    VocationalFolder folder;
    GetParam().breakIt(folder);
    const auto problems = Check(folder);
    bool found = false;
    for (const DataProblem& p : problems) {
        found =
            found || (p.file.endsWith(QLatin1String(GetParam().file)) && p.line == GetParam().line);
    }
    EXPECT_TRUE(found) << GetParam().what << ":\n" << Describe(problems);
}

const Broken kBroken[] = {
    {"a title without its subject block",
     [](VocationalFolder& f) { f.language("asignagm", testing::BlockLines(55)); }, "cas/asignagm",
     0},
    {"a title without its facts row",
     [](VocationalFolder& f) {
         f.factsGS.pop_back();
         f.data("datfpsphp", f.factsGS);
     },
     "datfpsphp", 0},
    {"a centre without its offer line",
     [](VocationalFolder& f) {
         f.offersGM.pop_back();
         f.data("datluggmphp", f.offersGM);
     },
     "datluggmphp", 0},
    {"an offered title beyond the title file",
     [](VocationalFolder& f) {
         f.offersGS[3] = "1;57";
         f.data("datluggsphp", f.offersGS);
     },
     "datluggsphp", 4},
    {"an offered title that is a family header",
     [](VocationalFolder& f) {
         f.offersBasic[7] = "2;4;3";
         f.data("datlugbasphp", f.offersBasic);
     },
     "datlugbasphp", 8},
    {"a title whose facts name another family",
     [](VocationalFolder& f) {
         f.factsGM[3] = "0;0;0;3;0;0;0";  // line 4 is a title of family 2
         f.data("datfpmphp", f.factsGM);
     },
     "datfpmphp", 4},
    {"a family number beyond 26",
     [](VocationalFolder& f) {
         f.factsGS[0] = "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;27";
         f.data("datfpsphp", f.factsGS);
     },
     "datfpsphp", 1},
    {"a title of one of the 26 families without family",
     [](VocationalFolder& f) {
         f.factsGS[7] = "0;0;0;0;1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0";  // family 4
         f.data("datfpsphp", f.factsGS);
     },
     "datfpsphp", 8},
    {"an access route beyond reqfp",
     [](VocationalFolder& f) {
         f.factsGS[1] = "0;0;0;0;4;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;1";
         f.data("datfpsphp", f.factsGS);
     },
     "datfpsphp", 2},
    {"fp2 with two families in another order",
     [](VocationalFolder& f) {
         std::swap(f.fp2[6], f.fp2[8]);  // headers 4 and 5
         f.language("fp2", f.fp2);
     },
     "cas/fp2", 7},
    {"a family line left blank",
     [](VocationalFolder& f) {
         f.familias[4] = "";
         f.language("familias", f.familias);
     },
     "cas/fp", 9},
    {"a family with the key of another",
     [](VocationalFolder& f) {
         f.familias[9] = "BFamilia 10";
         f.language("familias", f.familias);
     },
     "cas/familias", 10},
    {"a group naming a header fp2 lacks",
     [](VocationalFolder& f) {
         f.familias[37] = "232429Grupo 9";
         f.language("familias", f.familias);
     },
     "cas/familias", 38},
    {"a basic group naming a header fpba lacks",
     [](VocationalFolder& f) {
         f.familias[40] = "030400Basica 2";
         f.language("familias", f.familias);
     },
     "cas/familias", 41},
    {"a group slot that is no number",
     [](VocationalFolder& f) {
         f.familias[29] = "0a0200Deporte";
         f.language("familias", f.familias);
     },
     "cas/familias", 30},
    {"more than 26 basic families",
     [](VocationalFolder& f) {
         std::vector<std::string> many;
         for (int k = 1; k <= 27; ++k) many.push_back("-Familia");
         f.language("fpba", many);
     },
     "cas/fpba", 27},
    {"more than 200 titles",
     [](VocationalFolder& f) {
         f.fp.resize(201, "Ciclo");
         f.language("fp", f.fp);
     },
     "cas/fp", 201},
    {"a title longer than its table",
     [](VocationalFolder& f) {
         f.fp[1] = std::string(61, 'x');
         f.language("fp", f.fp);
     },
     "cas/fp", 2},
    {"more than 30 certificate families",
     [](VocationalFolder& f) {
         std::vector<std::string> lines(f.certifica.begin(), f.certifica.begin() + 9);
         for (int k = 1; k <= 31; ++k) lines.push_back("1-Familia");
         f.language("certifica", lines);
     },
     "cas/certifica", 40},
    {"a certificate without its hours",
     [](VocationalFolder& f) {
         f.certificah.pop_back();
         f.language("certificah", f.certificah);
     },
     "cas/certificah", 0},
    {"a certificate area with a key that is no family",
     [](VocationalFolder& f) {
         f.certifica[2] = "3Z      Area 3";
         f.language("certifica", f.certifica);
     },
     "cas/certifica", 3},
    {"a centre of no province of its list",
     [](VocationalFolder& f) {
         f.lu[0][1] = CentreLine('Z', "IES");
         f.data("lu1", f.lu[0]);
     },
     "lu1", 2},
    {"a Catalan centre before the first Barcelona line",
     [](VocationalFolder& f) {
         std::swap(f.lu[3][1], f.lu[3][3]);  // Girona before Barcelona
         f.data("lu4", f.lu[3]);
     },
     "lu4", 2},
    {"a Catalan centre whose comarca does not exist",
     [](VocationalFolder& f) {
         f.lu[3][2] = CentreLine('5', "Institut", 'Z');
         f.data("lu4", f.lu[3]);
     },
     "lu4", 3},
    {"a Madrid centre after the first Cuenca line",
     [](VocationalFolder& f) {
         f.lu[1].push_back(CentreLine('9', "IES", '1'));
         f.data("lu2", f.lu[1]);
     },
     "lu2", 7},
    {"a Madrid centre whose zone does not exist",
     [](VocationalFolder& f) {
         f.lu[1][3] = CentreLine('9', "IES", '9');
         f.data("lu2", f.lu[1]);
     },
     "lu2", 4},
    {"another province inside the Madrid lines",
     [](VocationalFolder& f) {
         f.lu[1][2] = CentreLine('1', "IES");
         f.data("lu2", f.lu[1]);
     },
     "lu2", 3},
    {"a comarca number that is a district's entry",
     [](VocationalFolder& f) {
         f.comarcas[4] = "8E42Comarca 42";
         f.data("comarcas", f.comarcas);
     },
     "comarcas", 5},
    {"two lines with the same comarca",
     [](VocationalFolder& f) {
         f.comarcas[4] = "8E40Comarca 40";
         f.data("comarcas", f.comarcas);
     },
     "comarcas", 5},
    {"a language whose titles sit on other lines",
     [](VocationalFolder& f) {
         auto fp = f.fp;
         std::swap(fp[4], fp[5]);  // a header moves down one line
         f.writeLines(QStringLiteral("catVal/fp"), fp);
     },
     "catVal/fp", 0},
    {"a language with fewer access lines",
     [](VocationalFolder& f) { f.writeLines(QStringLiteral("galego/reqfp"), {"Bacharelato"}); },
     "galego/reqfp", 0},
};

INSTANTIATE_TEST_SUITE_P(Rules, BrokenFolderTest, ::testing::ValuesIn(kBroken), testing::ByWhat());

}  // namespace
}  // namespace velmora
