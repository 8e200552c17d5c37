#pragma once
// Combination templates: stored, ordered lists of library templates that fill the album with
// the user's photos, one template after another.
//
// Archives. lumdata/wj_0_or_9_9/wj_0_or_9_9_<p>.rar for p = 1 ... the number of container
// files (".rar" / ".RAR") anywhere below that folder; only the numbered names are opened.
// Each is a 3-layer container (templates/Container.h) of a GBK INI text:
//
//     [zuhemoban_canshu]
//     shuliang=M                      the number of members
//     canshu_1=<name>~<h>~<v>~        member 1 in play order: template name, then the
//     ...                             horizontal and vertical photos it takes (a tilde list)
//
// A tilde list is a name followed by items each closed by "~": the name is the text before
// the first "~", the items are the texts between consecutive "~".
//
// The scan reads every archive into one row of Form41.ListView_zuhemoban:
//
//     col 0 模板组合      "模板组合 - p"
//     col 1 横照片(张)    the sum of the members' horizontal counts
//     col 2 竖照片(张)    the sum of the vertical counts
//     col 3 照片总数(张)  col 1 + col 2
//
// An archive that is missing, does not unwrap, names no member, or has a member whose name
// no row of the template list carries is left out, and the scan names it in its problems;
// the others still list, each under its own number p (so a row keeps the number of its
// archive, whatever was left out before it).
//
// Filling (the combination job). Every waiting photo is placed by the combination's members
// in play order, the pending tables never thinned: each slot of a kind takes the pending row
// after the one its kind took last, wrapping to row 0 (PhotoMatcher's combination mode), so
// photos are used again when the members have more slots than photos wait. A member uses
// every template-list row whose 模板, 横照片 and 竖照片 equal its name and counts; a member
// that matches none adds nothing. First every member is used once, in order; then, while a
// pending row is not "完成", the members follow again from member 1. The job ends when no
// photo waits, or after M members in a row have placed no new photo (no member can take the
// photos still waiting); then the photos left keep waiting for 自动套版.
//
// Nothing here shows a window: the windows show the table, the note and the messages.

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "photos/Matching.h"
#include "platform/TextTable.h"

inline constexpr int kCombinationArchiveLayers = 3;

// The INI names of an archive.
inline const QString kCombinationSection = QStringLiteral("zuhemoban_canshu");
inline const QString kCombinationCountKey = QStringLiteral("shuliang");
inline const QString kCombinationMemberKeyPrefix = QStringLiteral("canshu_");

// A tilde list "name~a~b~": the name and the items.
struct TildeList {
    QString name;
    QStringList items;
};
TildeList SplitTildeList(const QString& text);

// One member template of a combination.
struct CombinationEntry {
    QString name;
    int horizontal = 0;  // item 0 of its tilde list (a text that is no number reads 0)
    int vertical = 0;    // item 1
};

// A combination read from archive `number`.
struct Combination {
    int number = 0;                     // p of wj_0_or_9_9_<p>.rar
    QVector<CombinationEntry> members;  // in play order
    int horizontal() const;             // the sum of the members' horizontal counts
    int vertical() const;               // the sum of their vertical counts
};

// The path of archive `number` in `folder`.
QString CombinationArchivePath(const QString& folder, int number);
// The number of container files anywhere below `folder` (0 for a missing folder).
int CountCombinationArchives(const QString& folder);

// The outcome of reading one archive: a combination, or a message naming the archive.
struct CombinationRead {
    bool ok = false;
    QString error;  // Chinese, for the message window, when !ok
    Combination combination;
};

// Reads archive `number` of `folder`: unwraps it with 3 strips into an INI file in
// `workFolder` (created when missing; intermediates "wjj_00_j_y9<p>-<pass><hhmmss>.rar",
// the INI "wjj_00_j_y9<p>.ini", all deleted afterwards) and reads its members. Fails, naming
// the archive, when it is missing, does not unwrap, or holds no member (shuliang not a
// positive number).
CombinationRead ReadCombinationArchive(const QString& folder, int number, const QString& workFolder);

// The member names of `combination` that no row of the template list (Form8.ListView_moban)
// carries, each once, in member order.
QStringList UnknownMembers(const Combination& combination, const TextTable& templateList);

// The combinations that list, and one message per archive left out.
struct CombinationScan {
    QVector<Combination> combinations;  // in archive number order
    QStringList problems;               // Chinese, each naming its archive
};
// Reads archives 1 ... CountCombinationArchives(folder), checking the members against the
// template list.
CombinationScan ScanCombinations(const QString& folder, const QString& workFolder,
                                 const TextTable& templateList);

// The combination table Form41.ListView_zuhemoban.
namespace CombinationColumn {
enum : int {
    kCaption = 0,     // 模板组合
    kHorizontal = 1,  // 横照片(张)
    kVertical = 2,    // 竖照片(张)
    kTotal = 3,       // 照片总数(张)
};
}
QStringList CombinationTableCaptions();
// "模板组合 - p".
QString CombinationCaption(int number);
// Clears `table` and appends one row per combination.
void FillCombinationTable(TextTable& table, const QVector<Combination>& combinations);

// The note Form41.Label3 shows for a combination needing `horizontal` and `vertical`
// photos; `current` when both are 0 (the note keeps its text).
inline const QString kCombinationNoteStart = QStringLiteral("说明：");
QString CombinationNote(int horizontal, int vertical, const QString& current);

// The messages of the combination pick for the files chosen (none when the files will do):
// the combination needs a horizontal photo and none was chosen, or a vertical one.
QStringList CombinationPickMessages(int neededHorizontal, int neededVertical, bool horizontalChosen,
                                    bool verticalChosen);

// Chosen files sorted by the orientation of their upright size (the stored JPG size turned
// by the EXIF orientation, as the photo will be recorded). A file whose size cannot be read
// goes to `unreadable`; the add job then skips it and names it.
struct SortedFiles {
    QStringList horizontal;
    QStringList vertical;
    QStringList unreadable;
};
SortedFiles SortChosenFiles(const QStringList& files);

// What a combination job did.
struct CombinationFillResult {
    int membersUsed = 0;  // member uses, the first pass included
    int placed = 0;       // photos that got their first place
    int unplaced = 0;     // photos still waiting when the job ended
};

// The message for photos the combination could not place; empty when none is left.
QString CombinationUnplacedMessage(int unplaced);

// Fills the album from `combination` (above). Begins as a matching job does (horizontal-photo
// table, empty backgrounds, pending tables from the waiting photos, empty used lists), in
// combination mode whatever `options` says, with both play-order counters at -1.
// `afterMember` (may be empty) runs after every member used, for the progress bar and events.
CombinationFillResult FillFromCombination(const LibraryTables& library, const AlbumTables& album,
                                          const MatchingWork& work, MatchingOptions options,
                                          const Combination& combination,
                                          const std::function<void()>& afterMember = {});
