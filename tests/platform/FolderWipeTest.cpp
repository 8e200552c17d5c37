#include "platform/FolderWipe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

#include "tests/support/TempDir.h"

namespace {

void link(const QString& target, const QString& linkPath) {
    ASSERT_TRUE(QFile::link(target, linkPath)) << linkPath.toStdString();
}

TEST(WipeFolder, DeletesEverythingAtAnyDepthAndCountsEachEntry) {
    TempDir dir;
    dir.write("work/a.rar", "a");
    dir.write("work/.hidden", "h");
    dir.write("work/sub/b.txt", "b");
    dir.write("work/sub/deeper/still/c.rar", "c");
    dir.write(QString::fromUtf8("work/中文/照片.jpg"), "d");
    QDir().mkpath(dir.file("work/empty"));
    // 5 files, 6 folders (sub, deeper, still, 中文, empty, and work itself).
    int calls = 0;
    EXPECT_EQ(WipeFolder(dir.file("work"), [&] { ++calls; }), 11);
    EXPECT_EQ(calls, 11);
    EXPECT_FALSE(QFileInfo::exists(dir.file("work")));
    EXPECT_TRUE(QFileInfo::exists(dir.path()));
}

TEST(WipeFolder, RemovesLinksAndLeavesWhatTheyPointTo) {
    TempDir dir;
    const QString outside = dir.write("outside/keep.txt", "keep");
    dir.write("outside/nested/keep2.txt", "keep");
    dir.write("work/own.txt", "x");
    QDir().mkpath(dir.file("work/sub"));
    link(dir.file("outside"), dir.file("work/folderLink"));
    link(outside, dir.file("work/sub/fileLink"));
    link(dir.file("nowhere"), dir.file("work/danglingLink"));
    link(dir.path(), dir.file("work/sub/parentLink"));
    // own.txt, 4 links, sub, work.
    EXPECT_EQ(WipeFolder(dir.file("work")), 7);
    EXPECT_FALSE(QFileInfo::exists(dir.file("work")));
    EXPECT_EQ(ReadBytes(outside), "keep");
    EXPECT_EQ(ReadBytes(dir.file("outside/nested/keep2.txt")), "keep");
}

TEST(WipeFolder, AFolderPathThatIsALinkLosesOnlyTheLink) {
    TempDir dir;
    const QString kept = dir.write("real/keep.txt", "keep");
    for (const char* path : {"linked", "linked/"}) {
        link(dir.file("real"), dir.file("linked"));
        EXPECT_EQ(WipeFolder(dir.file(path)), 1) << path;
        EXPECT_FALSE(QFileInfo(dir.file("linked")).isSymLink()) << path;
        EXPECT_EQ(ReadBytes(kept), "keep") << path;
    }
}

TEST(WipeFolder, AMissingFolderIsNoError) {
    TempDir dir;
    int calls = 0;
    EXPECT_EQ(WipeFolder(dir.file("missing"), [&] { ++calls; }), 0);
    EXPECT_EQ(WipeFolder(QString()), 0);
    EXPECT_EQ(calls, 0);
}

TEST(WipeFolder, GoesOnPastWhatItCannotDelete) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may delete anything";
    TempDir dir;
    dir.write("work/a/locked.txt", "x");
    dir.write("work/b/free.txt", "y");
    QFile::setPermissions(dir.file("work/a"), QFile::ReadOwner | QFile::ExeOwner);
    // free.txt and b go; locked.txt, a and work stay.
    EXPECT_EQ(WipeFolder(dir.file("work")), 2);
    EXPECT_TRUE(QFileInfo::exists(dir.file("work/a/locked.txt")));
    EXPECT_FALSE(QFileInfo::exists(dir.file("work/b")));
    QFile::setPermissions(dir.file("work/a"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(CountFilesWithSuffix, CountsAtAnyDepthWithoutFollowingLinks) {
    TempDir dir;
    dir.write("work/a.rar", "");
    dir.write("work/B.RAR", "");
    dir.write("work/c.Rar", "");
    dir.write("work/d.rar.txt", "");
    dir.write("work/sub/deep/e.rar", "");
    dir.write("outside/f.rar", "");
    dir.write("outside/g.rar", "");
    link(dir.file("outside"), dir.file("work/sub/folderLink"));
    link(dir.file("outside/f.rar"), dir.file("work/h.rar"));  // counted by its own name
    const QStringList suffixes = {".rar", ".RAR"};
    EXPECT_EQ(CountFilesWithSuffix(dir.file("work"), suffixes), 4);
    EXPECT_EQ(CountFilesWithSuffix(dir.file("missing"), suffixes), 0);
    EXPECT_EQ(CountFilesWithSuffix(dir.file("work/a.rar"), suffixes), 0);
}

}  // namespace
