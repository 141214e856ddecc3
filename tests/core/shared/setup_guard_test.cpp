#include "core/shared/setup_guard.h"

#include <gtest/gtest.h>

#include "core/shared/readers.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

TEST(RunSetUpTest, AnUncheckedReaderFailureAbandonsTheRestOfTheSetUpAndIsReported) {
    testing::TempFolder folder;
    testing::RecordingMessages messages;
    bool stop = false;
    LineBuffer buffer;
    Readers readers(messages, stop, buffer);
    folder.write(QStringLiteral("datfpmphp"), "1;2;3;4;5;6;7\r\n1;2;tres;4;5;6;7\r\n");
    IntGrid rows(200, 7);
    bool reachedTheEnd = false;
    const bool done = RunSetUp(messages, [&] {
        readers.ReadIntegerRows(folder.file(QStringLiteral("datfpmphp")), 7, rows);
        reachedTheEnd = true;
    });
    EXPECT_FALSE(done);
    EXPECT_FALSE(reachedTheEnd);
    EXPECT_FALSE(stop);  // the program goes on
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(folder.file(QStringLiteral("datfpmphp"))));
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("línea 2")));
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("«tres»")));
}

TEST(RunSetUpTest, ASetUpThatSucceedsReportsNothing) {
    testing::RecordingMessages messages;
    int steps = 0;
    EXPECT_TRUE(RunSetUp(messages, [&] { ++steps; }));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(messages.errors.isEmpty());
}

}  // namespace
}  // namespace velmora
