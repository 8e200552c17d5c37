#include "tests/support/TestLibrary.h"

#include <QDir>
#include <QFile>

#include "platform/GbkText.h"
#include "templates/Container.h"
#include "tools/databuild/InterfacePictures.h"
#include "tools/databuild/TemplateIni.h"
#include "tools/databuild/TemplateMovie.h"
#include "tools/databuild/TitleMovies.h"

using namespace databuild;

namespace {

Picture Slot(const QString& name, const QString& orientation, QSize size, QPointF at,
             const QString& enter) {
    Picture p;
    p.name = name;
    p.orientation = orientation;
    p.size = size;
    p.at = at;
    p.enter = enter;
    p.start = 10;
    p.length = 20;
    p.borderWidth = 8;
    return p;
}

TemplateSource Template(const QString& id, const QString& name, QVector<Picture> pictures) {
    TemplateSource t;
    t.id = id;
    t.name = name;
    t.category = "测试";
    t.frames = 100;
    t.backdrop = {{"kind", "picture"}, {"tint", "#40000000"}};
    t.pictures = std::move(pictures);
    return t;
}

bool Fail(TestLibrary& library, const QString& error) {
    library.ok = false;
    library.error = error;
    return false;
}

// Applies the damaged cases that change the written containers of template 1 and 2.
bool Damage(const TestLibraryOptions& o, TestLibrary& library) {
    QStringList& parameters = library.files.parameterContainers;
    QString error;
    if (o.emptyContainer && !WriteFile(parameters[1], {}, error)) return Fail(library, error);
    if (o.wrongMarker &&
        !WriteFile(parameters[1],
                   WrapLayers(TemplateIniBytes(library.templates[1], "x_x_x"), kTemplateLayers),
                   error))
        return Fail(library, error);
    if (o.brokenContainer &&
        !WriteFile(parameters[1], QByteArray("\x40\x00\x00\x00not a zlib stream", 21), error))
        return Fail(library, error);
    const QString root = library.files.root;
    if (o.unequalHalves &&
        !WriteFile(MovieFolder(root) + "/mb_99.rar",
                   WrapLayers(TemplateMovieBytes(library.templates[0]), kTemplateLayers), error))
        return Fail(library, error);
    if (o.mixedCaseExtension) {
        TemplateSource extra = library.templates[0];
        extra.name = "大小写扩展名";
        if (!WriteFile(ParameterFolder(root) + "/mb_05.Rar",
                       WrapLayers(TemplateIniBytes(extra), kTemplateLayers), error) ||
            !WriteFile(MovieFolder(root) + "/mb_05.Rar",
                       WrapLayers(TemplateMovieBytes(extra), kTemplateLayers), error))
            return Fail(library, error);
    }
    return true;
}

QByteArray SizedStartupArchive(const TestLibraryOptions& o, QString& error) {
    const QString marker =
        o.startupMarkerValue.isEmpty() ? QString(kStartupMarkerValue) : o.startupMarkerValue;
    QByteArray archive = StartupArchive(StartupMovie(o.frames, marker).toBytes(), error);
    if (archive.isEmpty()) return {};
    if (o.startupArchiveSize < archive.size())
        archive.truncate(o.startupArchiveSize);
    else
        archive.append(QByteArray(o.startupArchiveSize - archive.size(), '\0'));
    return archive;
}

}  // namespace

QVector<TemplateSource> TestTemplates(int frames) {
    QVector<TemplateSource> templates{
        Template("mb_01", "测试横照", {Slot("xp_1", "heng", {1920, 1080}, {960, 540}, "zoom-in")}),
        Template("mb_02", "测试竖照", {Slot("xp_1", "shu", {720, 1080}, {960, 540}, "slide-up")}),
        Template("mb_03", "测试随意", {Slot("xp_1", "shuheng", {0, 0}, {960, 540}, "fade")}),
        Template("mb_04", "测试组合",
                 {Slot("xp_1_bj", "heng", {1920, 1080}, {960, 540}, "fade"),
                  Slot("xp_1", "heng", {800, 450}, {500, 300}, "slide-right"),
                  Slot("xp_2", "heng", {800, 450}, {500, 780}, "slide-left"),
                  Slot("xp_3", "shu", {400, 600}, {1400, 540}, "drop")}),
    };
    templates[3].pictures[0].dimmed = true;
    templates[3].pictures[0].borderWidth = 0;
    for (TemplateSource& t : templates) t = WithFrames(t, frames);
    return templates;
}

TestLibrary BuildTestLibrary(const QString& root, const TestLibraryOptions& o) {
    TestLibrary library;
    library.templates = TestTemplates(o.frames);
    if (o.nestedFolders) {
        library.templates[1].id = "sub/mb_02";
        library.templates[2].id = "sub/zz_deeper/mb_03";
    }
    QDir().mkpath(root);
    QString error;
    LibraryFiles& files = library.files;
    if (!WriteTemplates(library.templates, root, files, error)) {
        Fail(library, error);
        return library;
    }
    if (o.upperCaseExtension) {
        for (QStringList* list : {&files.parameterContainers, &files.movieContainers}) {
            QString& path = (*list)[2];
            const QString upper = path.chopped(4) + ".RAR";
            QFile::rename(path, upper);
            path = upper;
        }
    }
    if (!Damage(o, library)) return library;
    if (o.closingMovie && !WriteClosingMovie(root, o.closingFrames, files, error)) {
        Fail(library, error);
        return library;
    }
    if (o.startupAnimation) {
        const QByteArray archive = SizedStartupArchive(o, error);
        files.startupArchive = StartupArchivePath(root);
        if (archive.isEmpty() && o.startupArchiveSize > 0) {
            Fail(library, error);
            return library;
        }
        if (!WriteFile(files.startupArchive, archive, error)) {
            Fail(library, error);
            return library;
        }
    }
    if (o.combinations) {
        const auto& t = library.templates;
        QVector<QVector<CombinationMember>> lists{{MemberOf(t[0]), MemberOf(t[3])},
                                                  {MemberOf(t[1])}};
        if (!WriteCombinations(root, lists, files, error)) {
            Fail(library, error);
            return library;
        }
    }
    if (o.interfacePictures && !WriteInterfacePictures(root, error)) {
        Fail(library, error);
        return library;
    }
    library.ok = true;
    return library;
}

IniSections ReadGbkIni(const QByteArray& bytes) {
    IniSections sections;
    QString section;
    for (QString line : DecodeGbk(bytes).split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2).toLower();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) sections[section][line.left(eq).trimmed().toLower()] = line.mid(eq + 1);
    }
    return sections;
}

QStringList BarItems(const QString& list) {
    QStringList items = list.split('|');
    if (items.size() < 3) return {};
    return items.mid(1, items.size() - 2);
}
