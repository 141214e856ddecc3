// Documents go to the desktop's "xdg-open"; its exit status says whether anything opened them.
#include "ui/shared/qt_address_opener.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "support/temp_folder.h"

namespace velmora {
namespace {

// PATH set to one folder for the length of a test.
class PathTo {
  public:
    explicit PathTo(const QString& folder) : saved_(qgetenv("PATH")) {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~PathTo() { qputenv("PATH", saved_); }
    PathTo(const PathTo&) = delete;
    PathTo& operator=(const PathTo&) = delete;

  private:
    QByteArray saved_;
};

// Lets the event loop run until `done` or five seconds have passed; whether it is done.
template <typename Done>
bool WaitFor(Done done) {
    for (int i = 0; i < 250 && !done(); ++i) QTest::qWait(20);
    return done();
}

struct LaunchCase {
    const char* name;
    int exitCode;  // of the stand-in "xdg-open"
    bool failed;
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.name;
}

class QtAddressOpenerTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(QtAddressOpenerTest, ReportsWhatTheDesktopCouldNotOpen) {
    const LaunchCase& c = GetParam();
    testing::TempFolder folder;
    const QString record = folder.file(QStringLiteral("opened"));
    const QString tool = folder.write(QStringLiteral("bin/xdg-open"),
                                      "#!/bin/sh\nprintf '%s' \"$1\" > '" + record.toStdString() +
                                          "'\nexit " + std::to_string(c.exitCode) + "\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const PathTo path(folder.file(QStringLiteral("bin")));

    QtAddressOpener opener;
    bool failed = false;
    const QString document =
        folder.write(QStringLiteral("Universidad de Le\xc3\xb3n.pdf"), "%PDF-1.4\n");
    opener.openDocument(document, [&failed] { failed = true; });
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(record); }));
    QFile opened(record);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(opened.readAll()), document);
    if (c.failed) {
        EXPECT_TRUE(WaitFor([&] { return failed; }));
    } else {
        QTest::qWait(300);  // time for the run to end and be heard of
        EXPECT_FALSE(failed);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, QtAddressOpenerTest,
                         ::testing::Values(LaunchCase{"Opened", 0, false},
                                           LaunchCase{"NoProgramForIt", 3, true},
                                           LaunchCase{"TheViewerFailed", 4, true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(QtAddressOpenerFallbackTest, WithoutAnyWayToOpenTheDocumentItSaysSo) {
    testing::TempFolder folder;
    const PathTo path(folder.path());
    QtAddressOpener opener;
    bool failed = false;
    opener.openDocument(folder.write(QStringLiteral("a.pdf"), ""), [&failed] { failed = true; });
    EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace velmora
