// The shipped library in build/bin, as the program reads it.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include "templates/Container.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/Tools.h"

namespace {

QStringList Containers(const QString& folder) {
    QStringList paths;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) paths.append(it.next());
    paths.sort();
    return paths;
}

QByteArray Stripped(const QString& path, int layers) {
    QByteArray bytes = ReadBytes(path);
    if (!StripLayers(bytes, layers)) return {};
    return bytes;
}

struct ShippedTemplate {
    QString parameterPath;
    IniSections ini;
    QJsonObject movie;
    QString value(const QString& section, const QString& key) const {
        return ini.value(section).value(key);
    }
    QStringList items(const QString& key) const { return BarItems(value("1", key)); }
};

// Every template of the shipped library, parameters and movie, read once.
const QVector<ShippedTemplate>& Shipped() {
    static const QVector<ShippedTemplate> all = [] {
        QVector<ShippedTemplate> t;
        const QStringList parameters = Containers(BinDir() + "/lumdata/wj_0_or_2/wjj_01");
        const QStringList movies = Containers(BinDir() + "/lumdata/wj_0_or_2/wjj_02");
        for (int i = 0; i < parameters.size() && i < movies.size(); ++i)
            t.append({parameters[i], ReadGbkIni(Stripped(parameters[i], 20)),
                      QJsonDocument::fromJson(Stripped(movies[i], 20)).object()});
        return t;
    }();
    return all;
}

QString ClassOf(const QStringList& orientations) {
    if (orientations.size() == 1 && orientations[0] != "") return orientations[0];
    const int heng = int(orientations.count("heng")), shu = int(orientations.count("shu"));
    if (orientations.contains("shuheng")) return {};
    if ((heng >= 1 && shu >= 1) || heng > 1 || shu > 1) return "gaojimoban";
    return {};
}

// Horizontal and vertical photos, counting only names with exactly one "_".
QPair<int, int> PhotoCounts(const ShippedTemplate& t, bool asVertical = false) {
    const QStringList names = t.items("xpjpgmc"), orientations = t.items("szhz");
    int h = 0, v = 0;
    for (int k = 0; k < names.size(); ++k) {
        if (names[k].count('_') != 1) continue;
        const QString o = orientations.value(k);
        if (o == "heng" || (o == "shuheng" && !asVertical)) ++h;
        if (o == "shu" || (o == "shuheng" && asVertical)) ++v;
    }
    return {h, v};
}

}  // namespace

TEST(ShippedLibrary, HalvesHoldTwentyLayerContainersPairedByName) {
    const QStringList parameters = Containers(BinDir() + "/lumdata/wj_0_or_2/wjj_01");
    const QStringList movies = Containers(BinDir() + "/lumdata/wj_0_or_2/wjj_02");
    ASSERT_GE(parameters.size(), 24);
    ASSERT_EQ(parameters.size(), movies.size());
    for (int i = 0; i < parameters.size(); ++i) {
        EXPECT_TRUE(parameters[i].endsWith(".rar"));
        EXPECT_EQ(QFileInfo(parameters[i]).fileName(), QFileInfo(movies[i]).fileName());
        EXPECT_EQ(CountLayers(ReadBytes(parameters[i])), 20) << parameters[i].toStdString();
        EXPECT_EQ(CountLayers(ReadBytes(movies[i])), 20) << movies[i].toStdString();
    }
}

TEST(ShippedLibrary, ParameterFilesAreMarkedGbkIniWithParallelLists) {
    QStringList names;
    for (const ShippedTemplate& t : Shipped()) {
        SCOPED_TRACE(t.parameterPath.toStdString());
        EXPECT_EQ(t.value("l_x_l_u_m_r_w_j_s_y", "l_x_l_u_m_r_w_j_s_y"), "l_u_m_r_s_y_l_x");
        const QString name = t.value("l_x_l_u_m_r_w_j_s_y", "l_x_l_u_m_r_w_j_s_y_m_c");
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        EXPECT_TRUE(name.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
        names.append(name);
        EXPECT_FALSE(t.value("1", "mblx").isEmpty());
        EXPECT_FALSE(t.value("1", "mbfl").isEmpty());
        const int items = int(t.items("szhz").size());
        ASSERT_GT(items, 0);
        for (const char* key : {"xpkd", "xpgd", "xpjpgmc"})
            EXPECT_EQ(t.items(key).size(), items) << key;
        const auto [h, v] = PhotoCounts(t);
        EXPECT_EQ(t.value("1", "xpsl"), QString::number(h + v));
        EXPECT_EQ(t.value("0", "sl"), QString::number(items));
        const int frames = t.value("1", "mbdx").toInt();
        EXPECT_GE(frames, 125);
        EXPECT_LE(frames, 375);
    }
}

TEST(ShippedLibrary, MoviesAnswerTheMarkerAndNameEveryPictureAtItsSlotSize) {
    for (const ShippedTemplate& t : Shipped()) {
        SCOPED_TRACE(t.parameterPath.toStdString());
        const QJsonObject& m = t.movie;
        ASSERT_FALSE(m.isEmpty());
        EXPECT_EQ(m["variables"].toObject()["k_r_d_o_k_p_w_r_w"].toString(),
                  "k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
        EXPECT_EQ(m["w"].toInt(), 1920);
        EXPECT_EQ(m["h"].toInt(), 1080);
        EXPECT_EQ(m["fr"].toInt(), 25);
        EXPECT_EQ(m["op"].toInt(), t.value("1", "mbdx").toInt());
        QMap<QString, QSize> boxes;
        for (const QJsonValue& a : m["assets"].toArray())
            boxes[a["p"].toString()] = QSize(a["w"].toInt(), a["h"].toInt());
        EXPECT_EQ(boxes.value("picture_0.jpg"), QSize(1920, 1080));
        EXPECT_EQ(boxes.value("wj_y_l_b_j.jpg"), QSize(1920, 1080));
        const QStringList names = t.items("xpjpgmc"), w = t.items("xpkd"), h = t.items("xpgd");
        for (int k = 0; k < names.size(); ++k) {
            const QSize slot = w[k] == "0" ? QSize(1920, 1080) : QSize(w[k].toInt(), h[k].toInt());
            EXPECT_EQ(boxes.value(names[k] + ".jpg"), slot) << names[k].toStdString();
        }
    }
}

TEST(ShippedLibrary, ClassesAndPhotoCountsComeOutInTheNumbersTheLibraryPromises) {
    QMap<QString, int> classes;
    QSet<QPair<int, int>> advanced;
    int fullFrameSingles = 0, fedItems = 0;
    for (const ShippedTemplate& t : Shipped()) {
        const QString c = ClassOf(t.items("szhz"));
        ++classes[c];
        if (c == "gaojimoban") advanced.insert(PhotoCounts(t));
        if (c != "gaojimoban" && t.items("xpkd").value(0) == "0") ++fullFrameSingles;
        const QStringList names = t.items("xpjpgmc");
        bool fed = false;
        for (const QString& item : names)
            for (const QString& slot : names)
                if (item.count('_') > 1 && slot.count('_') == 1 && item.contains(slot)) fed = true;
        fedItems += fed ? 1 : 0;
    }
    EXPECT_EQ(classes.value(""), 0);
    EXPECT_GE(classes.value("heng"), 8);
    EXPECT_GE(classes.value("shu"), 6);
    EXPECT_GE(classes.value("shuheng"), 2);
    EXPECT_GE(classes.value("gaojimoban"), 8);
    for (QPair<int, int> counts :
         {qMakePair(2, 1), qMakePair(1, 2), qMakePair(2, 0), qMakePair(3, 0), qMakePair(4, 0),
          qMakePair(0, 2), qMakePair(0, 3)})
        EXPECT_TRUE(advanced.contains(counts)) << counts.first << "+" << counts.second;
    EXPECT_GE(fullFrameSingles, 2);
    EXPECT_GE(fedItems, 2);
}

TEST(ShippedLibrary, EveryCombinationMemberMatchesATemplateByNameAndCounts) {
    QSet<QString> rows;  // name~h~v as the template list shows each template
    for (const ShippedTemplate& t : Shipped()) {
        const QString name = t.value("l_x_l_u_m_r_w_j_s_y", "l_x_l_u_m_r_w_j_s_y_m_c");
        for (bool asVertical : {false, true}) {
            const auto [h, v] = PhotoCounts(t, asVertical);
            rows.insert(QString("%1~%2~%3~").arg(name).arg(h).arg(v));
        }
    }
    const QStringList archives = Containers(BinDir() + "/lumdata/wj_0_or_9_9");
    ASSERT_GE(archives.size(), 3);
    bool horizontalOnly = false, mixed = false, long6 = false;
    for (int p = 1; p <= archives.size(); ++p) {
        const QString path = BinDir() + QString("/lumdata/wj_0_or_9_9/wj_0_or_9_9_%1.rar").arg(p);
        EXPECT_EQ(CountLayers(ReadBytes(path)), 3);
        const auto section = ReadGbkIni(Stripped(path, 3)).value("zuhemoban_canshu");
        const int count = section.value("shuliang").toInt();
        ASSERT_GT(count, 0) << path.toStdString();
        int h = 0, v = 0;
        for (int k = 1; k <= count; ++k) {
            const QString member = section.value("canshu_" + QString::number(k));
            EXPECT_TRUE(rows.contains(member)) << member.toStdString();
            const QStringList parts = member.split('~');
            h += parts.value(1).toInt();
            v += parts.value(2).toInt();
        }
        horizontalOnly |= h > 0 && v == 0;
        mixed |= h > 0 && v > 0;
        long6 |= count >= 6;
    }
    EXPECT_TRUE(horizontalOnly);
    EXPECT_TRUE(mixed);
    EXPECT_TRUE(long6);
}

TEST(ShippedLibrary, StartupArchiveIsExactlyItsSizeAndStripsToTheStartupMovie) {
    const QString path = BinDir() + "/lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar";
    EXPECT_EQ(QFileInfo(path).size(), 29954);
    const QJsonObject movie = QJsonDocument::fromJson(Stripped(path, 13)).object();
    EXPECT_EQ(movie["variables"].toObject()["k_r_d_p_w_t_g_r_w"].toString(),
              "k_r_d_p_w_e_o_t_g_r_w_u_i");
    EXPECT_EQ(movie["w"].toInt(), 800);
    EXPECT_EQ(movie["h"].toInt(), 450);
    EXPECT_TRUE(Stripped(path, 14).isEmpty());  // a fourteenth layer is not there
}

TEST(ShippedLibrary, ClosingMovieStripsInSixteenLayersToA150FrameMovie) {
    const QString path = BinDir() + "/lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar";
    EXPECT_EQ(CountLayers(ReadBytes(path)), 16);
    const QJsonObject movie = QJsonDocument::fromJson(Stripped(path, 16)).object();
    EXPECT_EQ(movie["variables"].toObject()["k_r_d_o_k_p_w_r_w"].toString(),
              "k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
    EXPECT_EQ(movie["op"].toInt(), 150);
}
