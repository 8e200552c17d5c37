#pragma once
// Automatic matching: putting every waiting photo into a library template.
//
// A matching job picks templates from five candidate tables, rebuilt before every placing
// step from the class tables and the numbers of waiting photos:
//
//     advanced            ListView_gaoji_moban                    Nh > 0, Nv > 0, both fit
//     advancedHorizontal  ListView_gaojimoban_hengzhaopian_moban  Nh > 0, Nv = 0, Nh fits
//     advancedVertical    ListView_gaojimoban_shuzhaopian_moban   Nh = 0, Nv > 0, Nv fits
//     horizontal          ListView_hengzhaopian_moban             the horizontal class table
//     vertical            ListView_shuzhaopian_moban              the vertical class table
//
// ("fits" = no more than the pending photos of that orientation; the advanced table is
// built only when photos of both orientations wait, the others only when photos of their
// orientation wait). Each candidate table uses its templates in table order, once per
// rotation (its used list), and starts a new rotation when all have been used.
//
// A pass places from each table in that order; after each placing step the placed photos
// leave the pending tables and the candidates are rebuilt. The job makes passes until no
// photo waits, and ends early when a pass places nothing (no template can take the photos
// that wait), reporting how many photos are left without a place.
//
// UseTemplate appends a used template with its slots and background row, names and sizes
// the slots from the template's parameters and assigns waiting photos to them with their
// crop rectangles.
//
// All tables belong to the windows; the matcher keeps references to them and must not
// outlive them. Nothing here shows a window or processes events: the job's caller does that
// between passes.

#include <QString>
#include <QStringList>
#include <functional>

#include "photos/Backgrounds.h"
#include "photos/Settings.h"
#include "platform/TextTable.h"

// The template library's tables (read only): built at start-up.
struct LibraryTables {
    const TextTable& parameters;       // Form2.ListView_mobancanshu
    const TextTable& horizontalClass;  // Form2.ListView_hengzhaopian
    const TextTable& verticalClass;    // Form2.ListView_shuzhaopian
    const TextTable& advancedClass;    // Form2.ListView_gaojimoban
    const TextTable& templateList;     // Form8.ListView_moban
};

// The album's tables that matching reads and writes.
struct AlbumTables {
    TextTable& photos;            // Form3.ListView_daoru_zhaopian
    TextTable& horizontalPhotos;  // Form8.ListView_qubu_hengzhao
    TextTable& usedTemplates;     // Form8.ListView_moban_shiyong
    TextTable& slotTable;             // Form8.ListView_moban_shiyong_canshu
    TextTable& backgrounds;       // Form21.ListView_moban_beijing
};

// A candidate table with its two companion lists (list boxes of Form3).
struct CandidateList {
    TextTable& table;       // e.g. ListView_gaoji_moban
    QStringList& used;      // e.g. ListBox_ListView_gaoji_moban_shiyonghao: template indices
    QStringList& choices;   // e.g. ListBox_ListView_gaoji_moban_xuanzhonghao: row numbers
};

// Form3's work tables of a job.
struct MatchingWork {
    TextTable& pendingHorizontal;  // ListView_heng_zhao
    TextTable& pendingVertical;    // ListView_shu_zhao
    CandidateList advanced;
    CandidateList advancedHorizontal;
    CandidateList advancedVertical;
    CandidateList horizontal;
    CandidateList vertical;
    TextTable* randomScratch = nullptr;  // ListView_moban_suijishu, cleared by every rebuild
};

// Empties the five candidate tables, their used and choice lists and the scratch list, as
// Form3 does when it is shown. The pending tables stay.
void ClearMatchingWork(const MatchingWork& work);

// The mode word Form41.Edit_mobanfashi.
inline const QString kRandomTemplatesMode = QStringLiteral("shiyong_suijimoban");
inline const QString kCombinationMode = QStringLiteral("shiyong_zuhemoban");

// The 是否使用 words of a candidate row.
inline const QString kCandidateUnused = QStringLiteral("wei_shiyong");
inline const QString kCandidateUsed = QStringLiteral("yi_shiyong");

// The 14 class columns, then 是否使用 (col 14).
QStringList CandidateTableCaptions();
constexpr int kCandidateUseColumn = 14;

struct MatchingOptions {
    QString templateMode = kRandomTemplatesMode;  // Form41.Edit_mobanfashi
    PhotoSettings settings;                       // Form18's choices
    RandomPick random = DefaultRandomPick();      // background photo picks
};

// The play-order counters of combination mode: the pending row each kind took last.
struct PlayOrderCounters {
    int horizontal = -1;
    int vertical = -1;
};

struct MatchingResult {
    int passes = 0;    // passes made (the progress bar advances once per pass)
    int placed = 0;    // photos placed by the job
    int unplaced = 0;  // photos still waiting when the job ended
};

// The message for a job that left photos without a place.
QString UnplacedPhotosMessage(int unplaced);

class PhotoMatcher {
public:
    PhotoMatcher(const LibraryTables& library, const AlbumTables& album, const MatchingWork& work,
                 MatchingOptions options = {});

    // The whole job: Begin, then passes until no photo waits or a pass places nothing.
    // `afterPass` (may be empty) runs after every pass, for the progress bar and events.
    MatchingResult RunJob(const std::function<void()>& afterPass = {});

    // Step 1 of a job: rebuild the horizontal-photo table, give empty backgrounds a photo,
    // rebuild the pending tables from the waiting photos, empty the five used lists.
    void Begin();
    // One pass over the five candidate tables. Returns the number of photos it placed.
    int RunPass();
    // Photos in the pending tables.
    int PendingCount() const;

    // Clears and refills the five candidate tables (all rows wei_shiyong).
    void RebuildCandidates();
    // One placing step on `candidates`: picks the next template of the rotation and uses
    // every template-list row of that index whose 分类 is `category`. Does nothing on an
    // empty table.
    void PlaceFrom(CandidateList& candidates, const QString& category);

    // UseTemplate: puts template-list row `templateListRow` into the album (used template,
    // background row, slots named and sized, waiting photos assigned by the mode word).
    // Returns false, changing nothing, when the row does not exist.
    bool UseTemplate(int templateListRow);

    // Combination mode's counters; a combination job sets both to -1 at its start.
    PlayOrderCounters& playOrder() { return playOrder_; }

private:
    void AppendSlots(int usedRow);
    void NameAndSizeSlots(int usedRow);
    void AssignPhotos(int firstSlot, int usedRow);
    bool AssignPhoto(int slotRow, TextTable& pending, int pendingRow);
    int NextPendingRow(TextTable& pending, bool vertical, int kthOfKind);
    int RemovePlacedPending();

    LibraryTables library_;
    AlbumTables album_;
    MatchingWork work_;
    MatchingOptions options_;
    PlayOrderCounters playOrder_;
};
