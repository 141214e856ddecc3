#include "core/university/degree_check.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/data_paths.h"
#include "core/university/degree_fixture.h"

namespace velmora {
namespace {

using testing::DegreeFolder;
using testing::PlaceLine;

class DegreeCheckTest : public ::testing::Test {
protected:
    std::vector<DataProblem> check() const {
        std::vector<DataProblem> problems;
        CheckDegreeData(DataPaths::ForDataFolder(folder.path()), problems);
        return problems;
    }

    // The problems reported for a file whose path ends with `name`.
    std::vector<DataProblem> about(const QString& name) const {
        std::vector<DataProblem> found;
        for (const DataProblem& p : check()) {
            if (p.file.endsWith(name)) found.push_back(p);
        }
        return found;
    }

    static std::string all(const std::vector<DataProblem>& problems) {
        std::string out;
        for (const DataProblem& p : problems) out += p.toString().toStdString() + "\n";
        return out;
    }

    DegreeFolder folder;
};

TEST_F(DegreeCheckTest, AConsistentFolderIsClean) {
    const auto problems = check();
    EXPECT_TRUE(problems.empty()) << all(problems);
}

TEST_F(DegreeCheckTest, OfferingSectionsMustMatchTheDegrees) {
    folder.data("datcarnphp", {"2;1;2", "0", "3;1;2;3", "2;95;102", "0", "3;128;131;10"});
    auto problems = about(QStringLiteral("/datcarnphp"));
    ASSERT_EQ(problems.size(), 1u) << all(problems);
    EXPECT_TRUE(problems[0].reason.contains(QStringLiteral("tres secciones"))) << all(problems);

    // A place that "lugar" does not have, a mark no university publishes, a title beyond
    // "carrenue", and lists of different lengths for one degree.
    folder.data("datcarnphp", {"2;1;4", "1;2", "0", "2;95;3", "0", "0", "2;1;3", "1;0", "0"});
    problems = about(QStringLiteral("/datcarnphp"));
    ASSERT_EQ(problems.size(), 4u) << all(problems);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_TRUE(problems[0].reason.contains(QStringLiteral("lugar 4")));
    EXPECT_EQ(problems[1].line, 4);
    EXPECT_EQ(problems[2].line, 7);
    EXPECT_EQ(problems[3].line, 5);  // degree 2: one place, no marks
}

TEST_F(DegreeCheckTest, DoublesGroupsFollowThePlaces) {
    folder.data("dobles", {" 1Universidad de Granada", "     12  7 9,8",
                           "12Universidad Complutense de Madrid", "     12 44",
                           "19Otro nombre"});
    const auto problems = about(QStringLiteral("/dobles"));
    ASSERT_EQ(problems.size(), 3u) << all(problems);
    EXPECT_EQ(problems[0].line, 3);  // community 12, the place is in 13
    EXPECT_EQ(problems[1].line, 4);  // code 44 is no degree's
    EXPECT_EQ(problems[2].line, 5);  // the group is not the place's name

    folder.data("dobles", {" 1Universidad de Granada", "13Universidad Complutense de Madrid"});
    const auto fewer = about(QStringLiteral("/dobles"));
    ASSERT_EQ(fewer.size(), 1u) << all(fewer);
    EXPECT_TRUE(fewer[0].reason.contains(QStringLiteral("2 grupos"))) << all(fewer);
}

TEST_F(DegreeCheckTest, AttributesResolveIntoTheOtherTables) {
    folder.data("datgradosphp", {"2;3;1;0;0;0;0;0;3;12;1;3;0;0",   // group 3 of 2
                                 "3;2;6;0;2;0;0;0;23;7;4;0;0;0",   // subject 4 of 3
                                 "6;0;3;0;1;0;0;0;21;12;50;0;0;0"  // branch 6
                                });
    const auto problems = about(QStringLiteral("/datgradosphp"));
    ASSERT_EQ(problems.size(), 3u) << all(problems);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_EQ(problems[1].line, 2);
    EXPECT_EQ(problems[2].line, 3);
    folder.data("datgradosphp", {"2;1;1;0;0;0;0;0;3;12;1;3;0;0"});
    EXPECT_EQ(about(QStringLiteral("/datgradosphp")).size(), 1u);  // one row for three degrees
}

TEST_F(DegreeCheckTest, EveryDegreeCodeHasAClosedSectionOfProfiles) {
    folder.write(QStringLiteral("cas/grados.txt"),
                 testing::CrLf({"<< 12 Biología", "Biología", "Biología", "Perfil", "<<  7 Derecho",
                                "Derecho", "Derecho"}));
    auto problems = about(QStringLiteral("/grados.txt"));
    ASSERT_EQ(problems.size(), 1u) << all(problems);
    EXPECT_EQ(problems[0].line, 5);  // the last section has no closing key line
    folder.write(QStringLiteral("cas/grados.txt"), testing::CrLf({"<< 12", "a", "b", "c", "<<999"}));
    problems = about(QStringLiteral("/grados.txt"));
    ASSERT_EQ(problems.size(), 1u) << all(problems);
    EXPECT_TRUE(problems[0].reason.contains(QStringLiteral("<<  7")));
}

TEST_F(DegreeCheckTest, CommunitiesOwnTheirProvinceCodes) {
    std::vector<std::string> lines;
    for (int c = 1; c <= 19; ++c) {
        const int first = c == 19 ? 64 : c;
        lines.push_back((first < 10 ? "0" : "") + std::to_string(first) + "Comunidad");
    }
    for (int c = 1; c <= 19; ++c) {
        const int provinces = c == 18 ? 45 : 1;  // one too few for community 18
        for (int k = 0; k < provinces; ++k) lines.push_back((c < 10 ? " " : "") + std::to_string(c) + "Provincia");
    }
    lines.push_back("20Fuera");
    folder.data("comunida", lines);
    const auto problems = about(QStringLiteral("/comunida"));
    ASSERT_EQ(problems.size(), 2u) << all(problems);
    EXPECT_EQ(problems[0].line, static_cast<int>(lines.size()));
    EXPECT_EQ(problems[1].line, 18);
}

TEST_F(DegreeCheckTest, PlacesNeedACommunityAndAnAddressWithoutItsPrefix) {
    folder.data("lugar", {PlaceLine(" 1", "Universidad de Granada", "ugr.es"),
                          PlaceLine("20", "Universidad Complutense de Madrid", "ucm.es"),
                          PlaceLine("19", "UGR Campus de Melilla", "http://www.ugr.es")});
    const auto problems = about(QStringLiteral("/lugar"));
    ASSERT_EQ(problems.size(), 2u) << all(problems);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[1].line, 3);
}

TEST_F(DegreeCheckTest, LanguagesAgreeOnTheirLineCounts) {
    folder.writeLines(QStringLiteral("galego/carreran"), {"Bioloxía", "Dereito"});
    folder.writeLines(QStringLiteral("galego/otros"), {"   DEPORTES", std::string(56, 'x')});
    const auto names = about(QStringLiteral("galego/carreran"));
    ASSERT_EQ(names.size(), 1u) << all(names);
    EXPECT_EQ(names[0].line, 0);
    const auto others = about(QStringLiteral("galego/otros"));
    ASSERT_EQ(others.size(), 1u) << all(others);
    EXPECT_EQ(others[0].line, 2);  // 56 characters in a list of 55
}

TEST_F(DegreeCheckTest, ArtsFilesHaveTheirThreeParts) {
    std::vector<std::string> plastic = {"Títulos", "f1"};
    for (int s = 0; s < 16; ++s) plastic.push_back("  Especialidad");
    plastic.push_back("f2");
    folder.language("artesplas", plastic);
    folder.language("musica", {"Títulos", "f1", "Especialidades", "f2", "33Sin comunidad"});
    folder.language("danza", {"Sin marcas"});
    const auto art = about(QStringLiteral("/artesplas"));
    ASSERT_EQ(art.size(), 1u) << all(art);
    EXPECT_TRUE(art[0].reason.contains(QStringLiteral("17")));
    ASSERT_EQ(about(QStringLiteral("/musica")).size(), 1u);
    EXPECT_EQ(about(QStringLiteral("/musica"))[0].line, 5);
    ASSERT_EQ(about(QStringLiteral("/danza")).size(), 1u);
}

}  // namespace
}  // namespace velmora
