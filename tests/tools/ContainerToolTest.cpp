#include <QProcess>
#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/Tools.h"

TEST(ContainerTool, WrapsStripsAndCountsTwentyLayers) {
    TempDir dir;
    QByteArray payload;
    for (int i = 0; i < 5000; ++i) payload.append(char(i * 7));
    const QString plain = dir.write("plain.bin", payload);
    const QString wrapped = dir.file("wrapped.rar");
    const QString back = dir.file("back.bin");

    EXPECT_EQ(RunTool("lumora-container", {"wrap", "20", plain, wrapped}).exitCode, 0);
    const ToolRun count = RunTool("lumora-container", {"count", wrapped});
    EXPECT_EQ(count.exitCode, 0);
    EXPECT_EQ(count.output.trimmed(), "20");
    EXPECT_EQ(RunTool("lumora-container", {"strip", "20", wrapped, back}).exitCode, 0);
    EXPECT_EQ(ReadBytes(back), payload);
}

TEST(ContainerTool, FailsWithAMessageOnADamagedFile) {
    TempDir dir;
    const QString broken = dir.write("broken.rar", QByteArray("\x40\x00\x00\x00garbage", 11));
    const ToolRun run = RunTool("lumora-container", {"strip", "1", broken, dir.file("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.errors.isEmpty());
    EXPECT_NE(RunTool("lumora-container", {"strip", "x", broken, dir.file("out")}).exitCode, 0);
}
