#include "templates/Container.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/support/TempDir.h"

namespace {

// One layer by hand: the announced length, then a zlib stream of `inner`.
QByteArray Layer(qint32 announced, const QByteArray& inner) {
    uLongf bound = compressBound(uLong(inner.size()));
    QByteArray out(4 + qsizetype(bound), Qt::Uninitialized);
    qToLittleEndian<qint32>(announced, out.data());
    compress(reinterpret_cast<Bytef*>(out.data() + 4), &bound,
             reinterpret_cast<const Bytef*>(inner.constData()), uLong(inner.size()));
    out.resize(4 + qsizetype(bound));
    return out;
}

const QByteArray kPayload = "[l_x_l_u_m_r_w_j_s_y]\r\nl_x_l_u_m_r_w_j_s_y=l_u_m_r_s_y_l_x\r\n";

}  // namespace

TEST(StripLayer, LeavesAnEmptyStreamEmpty) {
    QByteArray empty;
    EXPECT_TRUE(StripLayer(empty));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(StripLayers(empty, 20));
    EXPECT_TRUE(empty.isEmpty());
}

TEST(StripLayer, ReadsExactlyTheAnnouncedLengthAndIgnoresWhatFollows) {
    // A stream announcing fewer bytes than it holds yields only those, and bytes after
    // the zlib stream (padding) are never looked at.
    QByteArray padded = Layer(10, kPayload) + QByteArray(500, '\x5a');
    ASSERT_TRUE(StripLayer(padded));
    EXPECT_EQ(padded, kPayload.left(10));

    QByteArray exact = Layer(qint32(kPayload.size()), kPayload) + "trailing";
    ASSERT_TRUE(StripLayer(exact));
    EXPECT_EQ(exact, kPayload);
}

TEST(StripLayer, ReportsDamagedLayersAndKeepsTheStream) {
    const QByteArray good = Layer(qint32(kPayload.size()), kPayload);
    QByteArray badHeader = good;
    badHeader[5] = char(badHeader[5] ^ 0x01);  // the zlib header check no longer holds
    struct Case {
        const char* what;
        QByteArray stream;
    } cases[] = {
        {"shorter than its header", QByteArray("\x10\x00", 2)},
        {"header only", good.left(4)},
        {"stream cut in the middle", good.left(good.size() / 2)},
        {"announces more than the stream holds", Layer(qint32(kPayload.size()) + 1, kPayload)},
        {"negative length", Layer(-5, kPayload)},
        {"not a zlib stream", QByteArray("\x05\x00\x00\x00hello world", 15)},
        {"damaged zlib header", badHeader},
    };
    for (const Case& c : cases) {
        QByteArray stream = c.stream;
        const ContainerResult result = StripLayer(stream);
        EXPECT_FALSE(result) << c.what;
        EXPECT_FALSE(result.error.isEmpty()) << c.what;
        EXPECT_EQ(stream, c.stream) << c.what;
    }
}

TEST(WrapLayers, RoundTripsThroughTwentyLayers) {
    const QByteArray wrapped = WrapLayers(kPayload, 20);
    EXPECT_EQ(CountLayers(wrapped), 20);
    QByteArray stream = wrapped;
    ASSERT_TRUE(StripLayers(stream, 20));
    EXPECT_EQ(stream, kPayload);
    QByteArray nothing = WrapLayers(QByteArray(), 20);
    ASSERT_TRUE(StripLayers(nothing, 20));
    EXPECT_TRUE(nothing.isEmpty());
}

TEST(UnwrapContainer, WritesEveryIntermediateAndTheFinalFile) {
    TempDir dir;
    const QString source = dir.write("wjj_01/a.rar", WrapLayers(kPayload, 20));
    QStringList names;
    const ContainerResult result = UnwrapContainer(
        source, 20,
        [&](int pass) {
            names << dir.file(QString("work/x1-%1%2.rar").arg(pass).arg(TimeOfDayDigits()));
            return names.back();
        },
        dir.file("work/x1.ini"));
    // The working folder does not exist yet: the first write fails with a message.
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());

    QDir().mkpath(dir.file("work"));
    names.clear();
    ASSERT_TRUE(UnwrapContainer(
        source, 20,
        [&](int pass) {
            names << dir.file(QString("work/x1-%1%2.rar").arg(pass).arg(TimeOfDayDigits()));
            return names.back();
        },
        dir.file("work/x1.ini")));
    ASSERT_EQ(names.size(), 19);
    for (const QString& name : names) EXPECT_TRUE(QFile::exists(name)) << name.toStdString();
    EXPECT_EQ(ReadBytes(dir.file("work/x1.ini")), kPayload);
}

TEST(UnwrapContainer, NamesTheFileWhoseLayerDoesNotInflate) {
    TempDir dir;
    const QString source = dir.write("broken.rar", WrapLayers(kPayload, 20).left(30));
    const ContainerResult result =
        UnwrapContainer(source, 20, [&](int pass) { return dir.file(QString::number(pass)); },
                        dir.file("final.ini"));
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains("broken.rar"));
    EXPECT_FALSE(QFile::exists(dir.file("final.ini")));
}

TEST(UnwrapContainer, LeavesAZeroByteContainerZeroBytes) {
    TempDir dir;
    const QString source = dir.write("empty.rar", QByteArray());
    ASSERT_TRUE(UnwrapContainer(source, 20, [&](int pass) { return dir.file(QString::number(pass)); },
                                dir.file("final.ini")));
    EXPECT_TRUE(QFile::exists(dir.file("final.ini")));
    EXPECT_EQ(QFileInfo(dir.file("final.ini")).size(), 0);
}
