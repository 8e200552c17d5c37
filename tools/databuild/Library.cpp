#include "tools/databuild/Library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "templates/Container.h"
#include "tools/databuild/TemplateIni.h"
#include "tools/databuild/TemplateMovie.h"
#include "tools/databuild/TitleMovies.h"

namespace databuild {

QString ParameterFolder(const QString& root) { return root + "/lumdata/wj_0_or_2/wjj_01"; }
QString MovieFolder(const QString& root) { return root + "/lumdata/wj_0_or_2/wjj_02"; }
QString ClosingMoviePath(const QString& root) {
    return root + "/lumdata/wj_0_or_3_3/wj_0_or_3_3_d.rar";
}
QString StartupArchivePath(const QString& root) {
    return root + "/lumdata/wj_0_or_2_2/wj_0_or_2_2_d.rar";
}
QString CombinationPath(const QString& root, int number) {
    return root + "/lumdata/wj_0_or_9_9/wj_0_or_9_9_" + QString::number(number) + ".rar";
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString& error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        error = "无法写入文件：" + path;
        return false;
    }
    return true;
}

bool WriteTemplates(const QVector<TemplateSource>& templates, const QString& root,
                    LibraryFiles& files, QString& error) {
    files.root = root;
    for (const TemplateSource& t : templates) {
        const QString parameters = ParameterFolder(root) + "/" + t.id + ".rar";
        const QString movie = MovieFolder(root) + "/" + t.id + ".rar";
        if (!WriteFile(parameters, WrapLayers(TemplateIniBytes(t), kTemplateLayers), error) ||
            !WriteFile(movie, WrapLayers(TemplateMovieBytes(t), kTemplateLayers), error))
            return false;
        files.parameterContainers.append(parameters);
        files.movieContainers.append(movie);
    }
    return true;
}

bool WriteClosingMovie(const QString& root, int frames, LibraryFiles& files, QString& error) {
    files.closingMovie = ClosingMoviePath(root);
    return WriteFile(files.closingMovie, WrapLayers(ClosingMovie(frames).toBytes(), kClosingLayers),
                     error);
}

bool WriteStartupAnimation(const QString& root, const QByteArray& movie, LibraryFiles& files,
                           QString& error) {
    const QByteArray archive = StartupArchive(movie, error);
    if (archive.isEmpty()) return false;
    files.startupArchive = StartupArchivePath(root);
    return WriteFile(files.startupArchive, archive, error);
}

bool WriteCombinations(const QString& root, const QVector<QVector<CombinationMember>>& lists,
                       LibraryFiles& files, QString& error) {
    for (int p = 0; p < lists.size(); ++p) {
        const QString path = CombinationPath(root, p + 1);
        if (!WriteFile(path, CombinationArchive(lists[p]), error)) return false;
        files.combinations.append(path);
    }
    return true;
}

bool LoadTemplateSources(const QString& dataDir, QVector<TemplateSource>& templates,
                         QString& error) {
    const QDir dir(dataDir + "/templates");
    const QStringList names = dir.entryList({"*.json"}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        error = "没有找到模板描述：" + dir.path();
        return false;
    }
    QStringList seen;
    for (const QString& name : names) {
        TemplateSource t;
        if (!LoadTemplateSource(dir.filePath(name), t, error)) return false;
        if (seen.contains(t.name)) {
            error = "模板名称重复：" + t.name;
            return false;
        }
        seen.append(t.name);
        templates.append(t);
    }
    return true;
}

namespace {

bool LoadCombinations(const QString& path, const QVector<TemplateSource>& templates,
                      QVector<QVector<CombinationMember>>& lists, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "无法读取组合模板描述：" + path;
        return false;
    }
    const QJsonArray all = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue& entry : all) {
        QStringList texts;
        for (const QJsonValue& m : entry.toObject()["members"].toArray())
            texts.append(m.toString());
        QVector<CombinationMember> members;
        if (!ResolveMembers(texts, templates, members, error)) return false;
        lists.append(members);
    }
    if (lists.isEmpty()) {
        error = "组合模板描述为空：" + path;
        return false;
    }
    return true;
}

}  // namespace

bool BuildShippedLibrary(const QString& dataDir, const QString& root, LibraryFiles& files,
                         QString& error) {
    QVector<TemplateSource> templates;
    QVector<QVector<CombinationMember>> combinations;
    if (!LoadTemplateSources(dataDir, templates, error) ||
        !LoadCombinations(dataDir + "/combinations.json", templates, combinations, error))
        return false;
    QDir(ParameterFolder(root)).removeRecursively();
    QDir(MovieFolder(root)).removeRecursively();
    QDir(root + "/lumdata/wj_0_or_9_9").removeRecursively();
    return WriteTemplates(templates, root, files, error) &&
           WriteClosingMovie(root, 150, files, error) &&
           WriteStartupAnimation(root, StartupMovie().toBytes(), files, error) &&
           WriteCombinations(root, combinations, files, error);
}

}  // namespace databuild
