#include "core/shared/result_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/file_limits.h"
#include "support/recording_messages.h"
#include "support/recording_save_dialog.h"
#include "support/temp_folder.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::RecordingSaveDialog;
using testing::TempFolder;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ResultFileTest, WritesTheBytesWithCrLfAfterEveryLine) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Lucía.TXT"));
    EXPECT_EQ(WriteResultFile(path, {"Alumno/a: Luc\xED"
                                     "a",
                                     "", "  10.0"}),
              QString());
    EXPECT_EQ(Bytes(path), QByteArray("Alumno/a: Luc\xED"
                                      "a\r\n\r\n  10.0\r\n"));
}

TEST(ResultFileTest, ReplacesAnEarlierLongerFileWhole) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("r.TXT"), std::string(500, 'x'));
    EXPECT_EQ(WriteResultFile(path, {"corto"}), QString());
    EXPECT_EQ(Bytes(path), QByteArray("corto\r\n"));
}

TEST(ResultFileTest, AFolderThatCannotBeWrittenKeepsTheEarlierFile) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("sub/r.TXT"), "antes\r\n");
    QFile::setPermissions(folder.file(QStringLiteral("sub")), QFile::ReadOwner | QFile::ExeOwner);
    {
        testing::ObeyingPermissions asAUser;
        EXPECT_NE(WriteResultFile(path, {"nuevo"}), QString());
    }
    QFile::setPermissions(folder.file(QStringLiteral("sub")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Bytes(path), QByteArray("antes\r\n"));
}

TEST(ResultFileTest, AWriteTheFileSystemCutsShortKeepsTheEarlierFileAndSaysWhy) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("r.TXT"), "antes\r\n");
    QString why;
    {
        testing::FileSizeLimit full(100);
        why = WriteResultFile(path, {std::string(300, 'x')});
    }
    EXPECT_FALSE(why.isEmpty());
    EXPECT_NE(why, QStringLiteral("Unknown error"));
    EXPECT_EQ(Bytes(path), QByteArray("antes\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("r.TXT")});
}

struct FileNameCase {
    const char* typed;
    const char* name;
};

class SafeFileNameTest : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(SafeFileNameTest, MakesAFileNameOfWhatTheStudentTyped) {
    EXPECT_EQ(SafeFileName(QString::fromUtf8(GetParam().typed)),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeFileNameTest,
    ::testing::Values(FileNameCase{"Lucía Pérez", "Lucía Pérez"},
                      FileNameCase{"Ana/Luis", "Ana_Luis"}, FileNameCase{"..\\..\\etc", "_.._etc"},
                      FileNameCase{"  Marcos  -  4º de ESO ", "Marcos  -  4º de ESO"},
                      FileNameCase{"¿Quién? \"yo\"", "¿Quién_ _yo_"},
                      FileNameCase{"...", "resultado"}, FileNameCase{"", "resultado"}),
    [](const auto& c) {
        return testing::CaseName(c.param.typed) + "_" + std::to_string(c.index);
    });

TEST(SaveResultLinesTest, AsksForATxtFileNamedAfterTheStudentAndWritesIt) {
    TempFolder folder;
    RecordingSaveDialog dialog;
    RecordingMessages messages;
    dialog.path = folder.file(QStringLiteral("Ana.TXT"));
    EXPECT_EQ(SaveResultLines(dialog, messages, QStringLiteral("Ana/B"), {"a", "b"}),
              SaveOutcome::Saved);
    EXPECT_EQ(dialog.proposed, QStringList{QStringLiteral("Ana_B")});
    EXPECT_EQ(dialog.suffixes, QStringList{QStringLiteral("TXT")});
    EXPECT_EQ(Bytes(dialog.path), QByteArray("a\r\nb\r\n"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(SaveResultLinesTest, ACancelledDialogWritesNothingAndSaysNothing) {
    RecordingSaveDialog dialog;
    RecordingMessages messages;
    EXPECT_EQ(SaveResultLines(dialog, messages, QStringLiteral("Ana"), {"a"}),
              SaveOutcome::Cancelled);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(SaveResultLinesTest, AFailedWriteIsToldWithItsPath) {
    TempFolder folder;
    folder.write(QStringLiteral("notafolder"), "x");
    RecordingSaveDialog dialog;
    RecordingMessages messages;
    dialog.path = folder.file(QStringLiteral("notafolder/Ana.TXT"));
    EXPECT_EQ(SaveResultLines(dialog, messages, QStringLiteral("Ana"), {"a"}), SaveOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(dialog.path)) << messages.shown[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(dialog.path));
}

}  // namespace
}  // namespace velmora
