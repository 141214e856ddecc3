#include "core/shared/readers.h"

#include <gtest/gtest.h>

#include "core/shared/data_error.h"
#include "core/shared/fields.h"
#include "core/shared/text_file.h"
#include "support/recording_messages.h"
#include "support/refused.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::CrLf;
using testing::RecordingMessages;
using testing::Refused;
using testing::TempFolder;

class ReadersTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingMessages messages;
    bool stop = false;
    LineBuffer buffer;
    Readers readers{messages, stop, buffer};
};

std::string Repeat(std::string_view line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out.append(line).append("\r\n");
    return out;
}

// --- lines and fields ---------------------------------------------------------------------

TEST(SplitLinesTest, EndsAtCrLfOrBareLfAndTheLastLineMayLackItsEnd) {
    const TextLines lines = SplitLines("uno\r\ndos\ntres\r\n\r\ncuatro");
    ASSERT_EQ(lines.lines.size(), 5u);
    EXPECT_EQ(lines.lines[1], "dos");
    EXPECT_EQ(lines.lines[3], "");
    EXPECT_EQ(lines.lines[4], "cuatro");
    EXPECT_TRUE(SplitLines("").lines.empty());
    EXPECT_EQ(SplitLines("a\r\n").lines.size(), 1u);
    // A CR that does not end a line is data.
    EXPECT_EQ(SplitLines("a\rb\r\n").lines[0], "a\rb");
}

TEST(SplitFieldsTest, KeepsEmptyFieldsAndAWholeLineWithoutSeparators) {
    const auto fields = SplitFields("3;;5");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], "3");
    EXPECT_EQ(fields[1], "");
    EXPECT_EQ(fields[2], "5");
    EXPECT_EQ(SplitFields("sin separador").size(), 1u);
    EXPECT_EQ(SplitFields("").size(), 1u);
    EXPECT_EQ(SplitFields(";").size(), 2u);
}

TEST(ToIntegerTest, AcceptsOnlyASignedDecimalWithinThirtyTwoBits) {
    EXPECT_EQ(ToInteger("42"), 42);
    EXPECT_EQ(ToInteger("-7"), -7);
    EXPECT_EQ(ToInteger("+7"), 7);
    EXPECT_EQ(ToInteger("2147483647"), 2147483647);
    EXPECT_EQ(ToInteger("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " 1", "1 ", "1a", "-", "+", "0x10", "2147483648", "1.5", "--1",
                            "99999999999999999999999"}) {
        EXPECT_FALSE(ToInteger(bad).has_value()) << bad;
    }
}

// --- the message kind ---------------------------------------------------------------------

TEST_F(ReadersTest, AMissingFileShowsTheMessageSetsTheStopFlagAndLeavesTheTable) {
    LineTable table = MakePaddedTable();
    table.set(1, "antes");
    table.count = 1;
    const QString path = folder.file(QStringLiteral("comunida"));
    EXPECT_FALSE(readers.ReadPaddedTable(path, table, 55));
    EXPECT_TRUE(stop);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              QStringLiteral("Faltan ficheros (") + path + QStringLiteral("). Vuelva a instalar el programa"));
    EXPECT_EQ(table.entry(1), "antes");
    EXPECT_EQ(table.count, 1);
    EXPECT_TRUE(table.entry(0).empty());
}

TEST_F(ReadersTest, EveryMessageKindReaderReactsToAMissingFileTheSameWay) {
    const QString path = folder.file(QStringLiteral("nada"));
    LineTable lines = MakeFixedLinesTable();
    std::vector<int> numbers;
    BlockTable blocks = MakeBlocks26();
    LineTable text = MakeTextTable();
    EXPECT_FALSE(readers.ReadTextTable(path, text));
    EXPECT_FALSE(readers.ReadRawTable(path, lines));
    EXPECT_FALSE(readers.ReadFixedLines(path, lines, 60));
    EXPECT_FALSE(readers.ReadMarkedLines(path, lines, numbers, 60));
    EXPECT_FALSE(readers.ReadBlocks26(path, blocks));
    EXPECT_EQ(messages.shown.size(), 5);
    EXPECT_TRUE(messages.errors.isEmpty());
}

// --- the line tables ----------------------------------------------------------------------

TEST_F(ReadersTest, ReadTextTableTrimsTrailingBlanksCutsAt75AndPutsThePathInEntry0) {
    const std::string longLine(80, 'x');
    const QString path = folder.write(QStringLiteral("textos"),
                                      CrLf({"uno   ", "   ", " dos", longLine}));
    LineTable table = MakeTextTable();
    ASSERT_TRUE(readers.ReadTextTable(path, table));
    EXPECT_EQ(table.entry(0), path.left(75).toStdString());
    EXPECT_EQ(table.entry(1), "uno");
    EXPECT_EQ(table.entry(2), "");
    EXPECT_EQ(table.entry(3), " dos");
    EXPECT_EQ(table.entry(4), std::string(75, 'x'));
    EXPECT_EQ(table.count, 4);
}

TEST_F(ReadersTest, ReadPaddedTablePadsToTheWidthAndAnEmptyLineGetsOneBlankLess) {
    const QString path = folder.write(QStringLiteral("comunida"), CrLf({"Madrid", "", std::string(70, 'a')}));
    LineTable table = MakePaddedTable();
    ASSERT_TRUE(readers.ReadPaddedTable(path, table, 55));
    EXPECT_EQ(table.entry(1), "Madrid" + std::string(49, ' '));
    EXPECT_EQ(table.entry(2), std::string(54, ' '));
    EXPECT_EQ(table.entry(3), std::string(55, 'a'));
    EXPECT_EQ(table.count, 3);
}

TEST_F(ReadersTest, ReadPaddedTableWiderThanItsEntriesKeepsTheEntryCapacity) {
    const QString path = folder.write(QStringLiteral("musica"), CrLf({"Conservatorio"}));
    LineTable table = MakePaddedTable();
    ASSERT_TRUE(readers.ReadPaddedTable(path, table, 90));
    EXPECT_EQ(table.entry(1).size(), 60u);
    LineTable wide = MakePaddedTable75();
    ASSERT_TRUE(readers.ReadPaddedTable75(path, wide, 75));
    EXPECT_EQ(wide.entry(1).size(), 75u);
}

TEST_F(ReadersTest, AReaderOverwritesOnlyTheEntriesItReads) {
    LineTable table = MakePaddedTable();
    for (int k = 1; k <= 3; ++k) table.set(k, "viejo");
    const QString path = folder.write(QStringLiteral("f"), CrLf({"nuevo"}));
    ASSERT_TRUE(readers.ReadPaddedTable(path, table, 5));
    EXPECT_EQ(table.entry(1), "nuevo");
    EXPECT_EQ(table.entry(2), "viejo");
    EXPECT_EQ(table.count, 1);
}

TEST_F(ReadersTest, ReadRawTableKeepsTrailingBlanksAndCutsAt60) {
    const QString path = folder.write(QStringLiteral("familias"), CrLf({"Sanidad   ", std::string(70, 'b')}));
    LineTable table = MakeRawTable();
    ASSERT_TRUE(readers.ReadRawTable(path, table));
    EXPECT_EQ(table.entry(1), "Sanidad   ");
    EXPECT_EQ(table.entry(2), std::string(60, 'b'));
    LineTable wide = MakeRawTable90();
    ASSERT_TRUE(readers.ReadRawTable90(path, wide));
    EXPECT_EQ(wide.entry(2), std::string(70, 'b'));
}

TEST_F(ReadersTest, TablesRefuseMoreLinesThanTheyHoldAndStayAsTheyWere) {
    LineTable table = MakeRawTable90();  // 250 lines
    table.set(1, "viejo");
    const QString path = folder.write(QStringLiteral("certificah"), Repeat("x", 251));
    const DataError error = Refused([&] { readers.ReadRawTable90(path, table); });
    EXPECT_EQ(error.kind(), DataError::Kind::Capacity);
    EXPECT_EQ(error.file(), path);
    EXPECT_EQ(error.line(), 251);
    EXPECT_EQ(table.entry(1), "viejo");
    EXPECT_FALSE(stop);

    LineTable text = MakeTextTable();
    const QString textos = folder.write(QStringLiteral("textos"), Repeat("t", 1101));
    EXPECT_EQ(Refused([&] { readers.ReadTextTable(textos, text); }).line(), 1101);
    const QString full = folder.write(QStringLiteral("textos2"), Repeat("t", 1100));
    EXPECT_TRUE(readers.ReadTextTable(full, text));
    EXPECT_EQ(text.entry(1100), "t");
}

TEST_F(ReadersTest, ReadFixedLinesPutsLineKInEntryKMinus1WithoutAPathEntry) {
    const QString path = folder.write(QStringLiteral("informa_l"), CrLf({" 5", "", "13Texto"}));
    LineTable table = MakeFixedLinesTable();
    ASSERT_TRUE(readers.ReadFixedLines(path, table, 60));
    EXPECT_EQ(table.entry(0), " 5" + std::string(58, ' '));
    EXPECT_EQ(table.entry(1), std::string(59, ' '));
    EXPECT_EQ(table.entry(2).substr(0, 7), "13Texto");
    EXPECT_EQ(table.count, 3);
    const QString tooLong = folder.write(QStringLiteral("largo"), Repeat("x", 601));
    EXPECT_EQ(Refused([&] { readers.ReadFixedLines(tooLong, table, 60); }).line(), 601);
}

TEST_F(ReadersTest, ReadFixedLines120IsUncheckedAndHolds350Lines) {
    LineTable table = MakeFixedLines120Table();
    const DataError missing =
        Refused([&] { readers.ReadFixedLines120(folder.file(QStringLiteral("carrenue")), table); });
    EXPECT_EQ(missing.kind(), DataError::Kind::Missing);
    EXPECT_FALSE(stop);
    EXPECT_TRUE(messages.shown.isEmpty());
    const QString path = folder.write(QStringLiteral("carrenue"), Repeat("Grado en Medicina", 350));
    readers.ReadFixedLines120(path, table);
    EXPECT_EQ(table.count, 350);
    EXPECT_EQ(table.entry(349).size(), 60u);
    const QString over = folder.write(QStringLiteral("over"), Repeat("x", 351));
    EXPECT_EQ(Refused([&] { readers.ReadFixedLines120(over, table); }).line(), 351);
}

TEST_F(ReadersTest, ReadMarkedLinesKeepsOnlyDashLinesWithTheirLineNumbers) {
    std::vector<std::string> lines(9, "Título");
    lines[0] = "-Familia uno";
    lines[3] = "-Familia dos";
    lines[8] = "-";
    const QString path = folder.write(QStringLiteral("fp"), CrLf(lines));
    LineTable table = MakeMarkedLinesTable();
    std::vector<int> numbers;
    ASSERT_TRUE(readers.ReadMarkedLines(path, table, numbers, 20));
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.entry(1), "Familia uno" + std::string(9, ' '));
    EXPECT_EQ(table.entry(2), "Familia dos" + std::string(9, ' '));
    EXPECT_EQ(table.entry(3), std::string(19, ' '));
    ASSERT_GE(numbers.size(), 3u);
    EXPECT_EQ(numbers[0], 1);
    EXPECT_EQ(numbers[1], 4);
    EXPECT_EQ(numbers[2], 9);
}

// --- blocks -------------------------------------------------------------------------------

TEST_F(ReadersTest, ReadBlocks26StoresTwentyFiveFieldsPerBlockAndNoHeaders) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 52; ++i) lines.push_back("linea " + std::to_string(i));
    const QString path = folder.write(QStringLiteral("asignafp"), CrLf(lines));
    BlockTable blocks = MakeBlocks26();
    ASSERT_TRUE(readers.ReadBlocks26(path, blocks));
    EXPECT_EQ(blocks.count, 2);
    EXPECT_EQ(blocks.field(1, 0), PadToWidth("linea 2", 60));
    EXPECT_EQ(blocks.field(1, 24), PadToWidth("linea 26", 60));
    EXPECT_EQ(blocks.field(2, 0), PadToWidth("linea 28", 60));
    EXPECT_EQ(blocks.field(2, 24), PadToWidth("linea 52", 60));
    for (int b = 1; b <= 2; ++b) {
        for (int f = 0; f < 25; ++f) {
            EXPECT_NE(blocks.field(b, f), PadToWidth("linea 1", 60));
            EXPECT_NE(blocks.field(b, f), PadToWidth("linea 27", 60));
        }
    }
}

TEST_F(ReadersTest, ReadBlocks51FillsFiftyFieldsAndCountsAnUnfinishedBlock) {
    const QString path = folder.write(QStringLiteral("asignaot"), Repeat("x", 51 + 3));
    BlockTable blocks = MakeBlocks51();
    ASSERT_TRUE(readers.ReadBlocks51(path, blocks));
    EXPECT_EQ(blocks.count, 2);
    EXPECT_EQ(blocks.field(1, 49), PadToWidth("x", 60));
    EXPECT_EQ(blocks.field(2, 1), PadToWidth("x", 60));
    EXPECT_EQ(blocks.field(2, 2), "");
    const QString over = folder.write(QStringLiteral("over"), Repeat("x", 2501));
    EXPECT_EQ(Refused([&] { readers.ReadBlocks51(over, blocks); }).line(), 2501);
    const QString over26 = folder.write(QStringLiteral("over26"), Repeat("x", 5001));
    BlockTable blocks26 = MakeBlocks26();
    EXPECT_EQ(Refused([&] { readers.ReadBlocks26(over26, blocks26); }).line(), 5001);
}

// --- the line buffer and the integer readers ----------------------------------------------

TEST_F(ReadersTest, LoadLineBufferKeepsWholeLinesUpTo4400) {
    const std::string wide(300, 'w');
    const QString path = folder.write(QStringLiteral("b"), CrLf({wide, "dos"}));
    EXPECT_EQ(readers.LoadLineBuffer(path), 2);
    EXPECT_EQ(buffer.lines[1], wide);
    EXPECT_EQ(buffer.count, 2);
    const QString over = folder.write(QStringLiteral("over"), Repeat("1", 4401));
    EXPECT_EQ(Refused([&] { readers.LoadLineBuffer(over); }).line(), 4401);
    EXPECT_EQ(Refused([&] { readers.LoadLineBuffer(folder.file(QStringLiteral("no"))); }).kind(),
              DataError::Kind::Missing);
}

TEST_F(ReadersTest, ReadIntegerRowsStoresTheFirstFieldsAndClearsTheRowsItReads) {
    IntGrid rows(200, 25);
    rows.cell(1, 24) = 99;
    rows.cell(3, 0) = 77;
    const QString path = folder.write(QStringLiteral("datfpsphp"),
                                      CrLf({"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;-24;999",
                                            "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0"}));
    readers.ReadIntegerRows(path, 24, rows);
    EXPECT_EQ(rows.at(1, 0), 1);
    EXPECT_EQ(rows.at(1, 23), -24);
    EXPECT_EQ(rows.at(1, 24), 0);  // extra fields are ignored and the last column is cleared
    EXPECT_EQ(rows.at(3, 0), 77);  // beyond the file: untouched
}

TEST_F(ReadersTest, ReadIntegerRowsRefusesBadNumbersShortLinesAndTooManyRows) {
    IntGrid rows(200, 7);
    rows.cell(1, 0) = 5;
    const QString bad = folder.write(QStringLiteral("datfpmphp"), CrLf({"1;2;3;4;5;6;7", "1;2;x;4;5;6;7"}));
    const DataError conversion = Refused([&] { readers.ReadIntegerRows(bad, 7, rows); });
    EXPECT_EQ(conversion.kind(), DataError::Kind::Conversion);
    EXPECT_EQ(conversion.line(), 2);
    EXPECT_EQ(rows.at(1, 0), 5);  // nothing stored from a refused file

    const QString shortLine = folder.write(QStringLiteral("short"), CrLf({"1;2;3"}));
    const DataError format = Refused([&] { readers.ReadIntegerRows(shortLine, 7, rows); });
    EXPECT_EQ(format.kind(), DataError::Kind::Format);
    EXPECT_EQ(format.line(), 1);

    const QString empty = folder.write(QStringLiteral("empty"), CrLf({"1;;3;4;5;6;7"}));
    EXPECT_EQ(Refused([&] { readers.ReadIntegerRows(empty, 7, rows); }).kind(),
              DataError::Kind::Conversion);

    IntGrid small(350, 14);
    const QString many = folder.write(QStringLiteral("many"), Repeat("1;1;1;1;1;1;1;1;1;1;1;1;1;1", 351));
    EXPECT_EQ(Refused([&] { readers.ReadIntegerRows(many, 14, small); }).line(), 351);
}

TEST_F(ReadersTest, ReadCountedListsFillsEachSectionFromItsOwnLines) {
    std::vector<IntGrid> tables(2, MakeCountedListTable());
    tables[0].cell(3, 0) = 42;
    const QString path = folder.write(QStringLiteral("datluggsphp"),
                                      CrLf({"2;7;9", "0", "-1;5", "1;3", "9;9;9"}));
    readers.ReadCountedLists(path, {3, 1}, {&tables[0], &tables[1]});
    EXPECT_EQ(tables[0].at(1, 0), 2);
    EXPECT_EQ(tables[0].at(1, 1), 7);
    EXPECT_EQ(tables[0].at(1, 2), 9);
    EXPECT_EQ(tables[0].at(2, 0), 0);
    EXPECT_EQ(tables[0].at(3, 0), 42);  // a negative count leaves the row as it was
    EXPECT_EQ(tables[1].at(1, 0), 1);
    EXPECT_EQ(tables[1].at(1, 1), 3);
    EXPECT_EQ(tables[1].at(2, 0), 0);  // the line beyond the last section is ignored
}

TEST_F(ReadersTest, CountedListsReadUnusualButValidLinesAsTheStrictRulesSay) {
    std::vector<IntGrid> tables(1, MakeCountedListTable());
    // Leading zeros past ten digits, a trailing separator, fields beyond the count that are no
    // numbers or lie outside any range: all accepted, the fields beyond the count ignored.
    const QString path = folder.write(QStringLiteral("datluggmphp"),
                                      CrLf({"2;00000000007;+9", "1;4;", "1;5;x;", "1;6;99999999999",
                                            "-0"}));
    readers.ReadCountedLists(path, {5}, {&tables[0]});
    EXPECT_EQ(tables[0].at(1, 1), 7);
    EXPECT_EQ(tables[0].at(1, 2), 9);
    EXPECT_EQ(tables[0].at(2, 1), 4);
    EXPECT_EQ(tables[0].at(3, 1), 5);
    EXPECT_EQ(tables[0].at(4, 1), 6);
    EXPECT_EQ(tables[0].at(5, 0), 0);
    ByteGrid bytes = MakeCountedBytesTable();
    const QString big = folder.write(QStringLiteral("bytes"), CrLf({"1;7;300", "1;2147483648"}));
    EXPECT_EQ(Refused([&] { readers.ReadCountedBytes(big, bytes); }).line(), 2);
}

TEST_F(ReadersTest, ReadCountedListsRefusesACountBeyondTheRowOrMissingValues) {
    std::vector<IntGrid> tables(1, MakeCountedListTable());
    std::string line = "26";
    for (int i = 0; i < 26; ++i) line += ";1";
    const QString wide = folder.write(QStringLiteral("wide"), CrLf({"1;1", line}));
    const DataError capacity = Refused([&] { readers.ReadCountedLists(wide, {2}, {&tables[0]}); });
    EXPECT_EQ(capacity.kind(), DataError::Kind::Capacity);
    EXPECT_EQ(capacity.line(), 2);
    EXPECT_EQ(tables[0].at(1, 0), 0);  // the good first line was not stored either

    const QString missing = folder.write(QStringLiteral("missing"), CrLf({"1;1", "3;1;2"}));
    const DataError format = Refused([&] { readers.ReadCountedLists(missing, {2}, {&tables[0]}); });
    EXPECT_EQ(format.kind(), DataError::Kind::Format);
    EXPECT_EQ(format.line(), 2);

    const QString sections = folder.write(QStringLiteral("s"), CrLf({"0", "0"}));
    EXPECT_EQ(Refused([&] { readers.ReadCountedLists(sections, {1101}, {&tables[0]}); }).kind(),
              DataError::Kind::Capacity);
}

TEST_F(ReadersTest, ReadCountedBytesStoresOnlyPositiveValues) {
    ByteGrid table = MakeCountedBytesTable();
    table.cell(1, 2) = 8;
    const QString path = folder.write(QStringLiteral("cuestioESO"), CrLf({"3;4;0;6", "0", "2;255;-3"}));
    readers.ReadCountedBytes(path, table);
    EXPECT_EQ(table.at(1, 0), 3);
    EXPECT_EQ(table.at(1, 1), 4);
    EXPECT_EQ(table.at(1, 2), 8);  // a 0 leaves its cell unchanged
    EXPECT_EQ(table.at(1, 3), 6);
    EXPECT_EQ(table.at(2, 0), 0);
    EXPECT_EQ(table.at(3, 1), 255);
    EXPECT_EQ(table.at(3, 2), 0);
}

TEST_F(ReadersTest, ReadCountedBytesRefusesBytesAbove255AndRowsBeyondTwenty) {
    ByteGrid table = MakeCountedBytesTable();
    const QString big = folder.write(QStringLiteral("big"), CrLf({"1;1", "2;3;256"}));
    const DataError error = Refused([&] { readers.ReadCountedBytes(big, table); });
    EXPECT_EQ(error.line(), 2);
    EXPECT_EQ(table.at(1, 1), 0);
    const QString rows = folder.write(QStringLiteral("rows"), Repeat("1;1", 21));
    EXPECT_EQ(Refused([&] { readers.ReadCountedBytes(rows, table); }).line(), 21);
    std::string wide = "51";
    for (int i = 0; i < 51; ++i) wide += ";1";
    const QString cols = folder.write(QStringLiteral("cols"), CrLf({wide}));
    EXPECT_EQ(Refused([&] { readers.ReadCountedBytes(cols, table); }).kind(),
              DataError::Kind::Capacity);
}

// --- the degree lists ---------------------------------------------------------------------

TEST_F(ReadersTest, DegreeListsFillThreeSectionsAndTheDistinctTitles) {
    auto offerings = std::make_unique<DegreeOfferings>();
    // Two degrees: places, then marks, then specific titles.
    const QString path = folder.write(QStringLiteral("datcarnphp"),
                                      CrLf({"4;10;11;12;13", "0", "4;50;10;120;99", "0",
                                            "4;3;0;3;7", "0"}));
    readers.ReadDegreeLists(path, 2, *offerings);
    EXPECT_EQ(offerings->places.at(1, 0), 4);
    EXPECT_EQ(offerings->places.at(1, 4), 13);
    EXPECT_EQ(offerings->cutOffTenths.at(1, 2), 10);
    EXPECT_EQ(offerings->titles.at(1, 3), 3);
    EXPECT_EQ(offerings->distinctTitles.at(1, 0), 2);
    EXPECT_EQ(offerings->distinctTitles.at(1, 1), 3);
    EXPECT_EQ(offerings->distinctTitles.at(1, 2), 7);
    EXPECT_EQ(offerings->places.at(2, 0), 0);
    EXPECT_EQ(offerings->distinctTitles.at(2, 0), 0);
}

TEST_F(ReadersTest, DegreeListsTakeTheCountOfTheirDistinctTitlesFromThePlaces) {
    auto offerings = std::make_unique<DegreeOfferings>();
    // Three places but five titles listed: only the first three count.
    const QString path = folder.write(QStringLiteral("datcarnphp"),
                                      CrLf({"3;1;2;3", "3;50;60;70", "5;4;4;5;6;7"}));
    readers.ReadDegreeLists(path, 1, *offerings);
    EXPECT_EQ(offerings->distinctTitles.at(1, 0), 2);
    EXPECT_EQ(offerings->distinctTitles.at(1, 2), 5);
}

TEST_F(ReadersTest, DegreeListsRefuseSixteenDistinctTitlesAndBytesAbove255) {
    auto offerings = std::make_unique<DegreeOfferings>();
    std::string places = "16", titles = "16";
    for (int i = 1; i <= 16; ++i) {
        places += ";1";
        titles += ";" + std::to_string(i);
    }
    const QString path = folder.write(QStringLiteral("datcarnphp"), CrLf({places, "0", titles}));
    const DataError error = Refused([&] { readers.ReadDegreeLists(path, 1, *offerings); });
    EXPECT_EQ(error.kind(), DataError::Kind::Capacity);
    EXPECT_EQ(error.line(), 3);
    EXPECT_EQ(offerings->places.at(1, 0), 0);  // nothing stored

    const QString big = folder.write(QStringLiteral("big"), CrLf({"1;300", "1;50", "1;1"}));
    EXPECT_EQ(Refused([&] { readers.ReadDegreeLists(big, 1, *offerings); }).line(), 1);
    const QString shortFile = folder.write(QStringLiteral("short"), CrLf({"1;3", "1;50"}));
    EXPECT_EQ(Refused([&] { readers.ReadDegreeLists(shortFile, 1, *offerings); }).line(), 3);
}

}  // namespace
}  // namespace velmora
