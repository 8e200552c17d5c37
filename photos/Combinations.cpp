#include "photos/Combinations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "photos/PhotoTable.h"
#include "platform/Exif.h"
#include "platform/IniFile.h"
#include "platform/Jpeg.h"
#include "templates/Container.h"
#include "templates/LibraryScan.h"
#include "templates/TemplateTables.h"

TildeList SplitTildeList(const QString& text) {
    const QStringList parts = text.split(u'~');
    TildeList list;
    list.name = parts.first();
    // "name~a~b~" splits into name, a, b and the empty text after the last "~", which is
    // no item; a text without "~" has no items.
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) list.items.append(parts[i]);
    return list;
}

int Combination::horizontal() const {
    int sum = 0;
    for (const CombinationEntry& member : members) sum += member.horizontal;
    return sum;
}

int Combination::vertical() const {
    int sum = 0;
    for (const CombinationEntry& member : members) sum += member.vertical;
    return sum;
}

QString CombinationArchivePath(const QString& folder, int number) {
    return folder + "/wj_0_or_9_9_" + QString::number(number) + ".rar";
}

int CountCombinationArchives(const QString& folder) { return int(ScanContainerFiles(folder).size()); }

namespace {

QString ArchiveName(int number) { return QFileInfo(CombinationArchivePath(".", number)).fileName(); }

CombinationRead Failed(const QString& error) {
    CombinationRead read;
    read.error = error;
    return read;
}

// Reads the members of an unwrapped archive's INI text.
Combination ReadMembers(const QString& iniPath, int number) {
    const IniFile ini = IniFile::fromGbkFile(iniPath);
    Combination combination;
    combination.number = number;
    const int count = ini.value(kCombinationSection, kCombinationCountKey).toInt();
    for (int k = 1; k <= count; ++k) {
        const TildeList member =
            SplitTildeList(ini.value(kCombinationSection, kCombinationMemberKeyPrefix + QString::number(k)));
        combination.members.append({member.name, member.items.value(0).toInt(), member.items.value(1).toInt()});
    }
    return combination;
}

}  // namespace

CombinationRead ReadCombinationArchive(const QString& folder, int number, const QString& workFolder) {
    const QString archive = CombinationArchivePath(folder, number);
    if (!QFileInfo(archive).isFile())
        return Failed("找不到组合模板文件 " + ArchiveName(number) + ",没有列出此组合模板");
    QDir().mkpath(workFolder);
    const QString prefix = workFolder + "/wjj_00_j_y9" + QString::number(number);
    const QString ini = prefix + ".ini";
    QStringList intermediates;
    const ContainerResult unwrapped = UnwrapContainer(
        archive, kCombinationArchiveLayers,
        [&prefix, &intermediates](int pass) {
            intermediates.append(prefix + "-" + QString::number(pass) + TimeOfDayDigits() + ".rar");
            return intermediates.last();
        },
        ini);
    CombinationRead read;
    if (unwrapped) {
        read.combination = ReadMembers(ini, number);
        read.ok = !read.combination.members.isEmpty();
        if (!read.ok) read.error = "组合模板文件 " + ArchiveName(number) + " 中没有模板,没有列出此组合模板";
    } else {
        read.error = "组合模板文件 " + ArchiveName(number) + " 无法读取,没有列出此组合模板:\n" + unwrapped.error;
    }
    QFile::remove(ini);
    for (const QString& path : intermediates) QFile::remove(path);
    return read;
}

QStringList UnknownMembers(const Combination& combination, const TextTable& templateList) {
    QStringList unknown;
    for (const CombinationEntry& member : combination.members)
        if (templateList.findRow(TemplateList::Col::Name, member.name) < 0 && !unknown.contains(member.name))
            unknown.append(member.name);
    return unknown;
}

CombinationScan ScanCombinations(const QString& folder, const QString& workFolder,
                                 const TextTable& templateList) {
    CombinationScan scan;
    const int count = CountCombinationArchives(folder);
    for (int number = 1; number <= count; ++number) {
        const CombinationRead read = ReadCombinationArchive(folder, number, workFolder);
        if (!read.ok) {
            scan.problems.append(read.error);
            continue;
        }
        const QStringList unknown = UnknownMembers(read.combination, templateList);
        if (!unknown.isEmpty()) {
            scan.problems.append("组合模板文件 " + ArchiveName(number) + " 中的模板 \"" +
                                 unknown.join("\", \"") + "\" 不在模板库中,没有列出此组合模板");
            continue;
        }
        scan.combinations.append(read.combination);
    }
    return scan;
}

QStringList CombinationTableCaptions() {
    return {QStringLiteral("模板组合"), QStringLiteral("横照片(张)"), QStringLiteral("竖照片(张)"),
            QStringLiteral("照片总数(张)")};
}

QString CombinationCaption(int number) { return "模板组合 - " + QString::number(number); }

void FillCombinationTable(TextTable& table, const QVector<Combination>& combinations) {
    table.clear();
    for (const Combination& combination : combinations) {
        const int horizontal = combination.horizontal();
        const int vertical = combination.vertical();
        table.addRow({CombinationCaption(combination.number), QString::number(horizontal),
                      QString::number(vertical), QString::number(horizontal + vertical)});
    }
}

QString CombinationNote(int horizontal, int vertical, const QString& current) {
    if (horizontal > 0 && vertical == 0) return kCombinationNoteStart + "选中的组合模板至少需要 1 张横照片";
    if (horizontal == 0 && vertical > 0) return kCombinationNoteStart + "选中的组合模板至少需要 1 张竖照片";
    if (horizontal > 0 && vertical > 0)
        return kCombinationNoteStart + "选中的组合模板至少需要 1 张横照片和 1 张竖照片";
    return current;
}

QStringList CombinationPickMessages(int neededHorizontal, int neededVertical, bool horizontalChosen,
                                    bool verticalChosen) {
    QStringList messages;
    if (neededHorizontal > 0 && !horizontalChosen)
        messages.append("当前选中的组合模板，至少需要添加 1 张横照片,点[确定]按钮继续添加照片");
    if (neededVertical > 0 && !verticalChosen)
        messages.append("当前选中的组合模板，至少需要添加 1 张竖照片,点[确定]按钮继续添加照片");
    return messages;
}

SortedFiles SortChosenFiles(const QStringList& files) {
    SortedFiles sorted;
    for (const QString& path : files) {
        const JpegSizeResult stored = ReadJpegSize(path);
        if (!stored.ok()) {
            sorted.unreadable.append(path);
            continue;
        }
        const QSize upright = UprightSize(stored.size, ReadExifOrientation(path));
        (IsHorizontal(upright.width(), upright.height()) ? sorted.horizontal : sorted.vertical).append(path);
    }
    return sorted;
}

QString CombinationUnplacedMessage(int unplaced) {
    if (unplaced <= 0) return {};
    return "选中的组合模板中没有可以放入的模板,有 " + QString::number(unplaced) +
           " 张照片没有放入模板,可以点[自动套版]按钮为它们匹配模板！";
}

namespace {

int CountWaitingRows(const TextTable& pending) {
    int waiting = 0;
    for (int row = 0; row < pending.rowCount(); ++row)
        if (pending.cell(row, PhotoColumn::kPlaced) != kPhotoPlaced) ++waiting;
    return waiting;
}

// Uses every template-list row that matches `member` by name and counts.
void UseMember(PhotoMatcher& matcher, const TextTable& templateList, const CombinationEntry& member) {
    for (int row = 0; row < templateList.rowCount(); ++row) {
        if (templateList.cell(row, TemplateList::Col::Name) != member.name) continue;
        if (templateList.cell(row, TemplateList::Col::HorizontalPhotos).toInt() != member.horizontal) continue;
        if (templateList.cell(row, TemplateList::Col::VerticalPhotos).toInt() != member.vertical) continue;
        matcher.UseTemplate(row);
    }
}

}  // namespace

CombinationFillResult FillFromCombination(const LibraryTables& library, const AlbumTables& album,
                                          const MatchingWork& work, MatchingOptions options,
                                          const Combination& combination,
                                          const std::function<void()>& afterMember) {
    options.templateMode = kCombinationMode;
    PhotoMatcher matcher(library, album, work, std::move(options));
    matcher.Begin();
    matcher.playOrder() = PlayOrderCounters{-1, -1};

    CombinationFillResult result;
    auto waiting = [&work] { return CountWaitingRows(work.pendingHorizontal) + CountWaitingRows(work.pendingVertical); };
    const int atStart = waiting();
    const int members = int(combination.members.size());
    int left = atStart;
    int idleMembers = 0;  // members used in a row since a photo was last placed
    auto use = [&](int k) {
        UseMember(matcher, library.templateList, combination.members[k]);
        ++result.membersUsed;
        const int now = waiting();
        idleMembers = now < left ? 0 : idleMembers + 1;
        left = now;
        if (afterMember) afterMember();
    };
    for (int k = 0; k < members; ++k) use(k);
    for (int k = 0; left > 0 && idleMembers < members; k = (k + 1) % members) use(k);

    result.unplaced = left;
    result.placed = atStart - left;
    return result;
}
