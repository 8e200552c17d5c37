// Form13's combination job: the files of Form3's combination pick recorded as photos, then
// filled into the combination chosen on Form41 (photos/Combinations.h).

#include <QProgressBar>

#include "app/Form13.h"
#include "app/Form3.h"
#include "app/Form3Tables.h"
#include "app/Form41.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "photos/Combinations.h"
#include "photos/PhotoCollection.h"
#include "photos/PhotoTable.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"

void Form13::Timer_shiyong_zuhemobanTimer() {
    Timer_shiyong_zuhemoban->setEnabled(false);
    HideRendererNumber();

    // The pick left one row per chosen file, its path as caption: horizontal files first.
    Form3* photoWindow = Windows::get<Form3>();
    TextTable& scratch = *photoWindow->ListView_moban_suijishu;
    scratch.clear();
    for (const TextTable* pending : {photoWindow->ListView_heng_zhao, photoWindow->ListView_shu_zhao})
        for (int row = 0; row < pending->rowCount(); ++row) scratch.addRow({pending->cell(row, 0)});
    QStringList paths;
    for (int row = 0; row < scratch.rowCount(); ++row) paths.append(scratch.cell(row, 0));
    appendPhotos(paths);

    const AlbumTables album = ProgramAlbumTables();
    ProgressBar1->setRange(0, 2 * album.photos.rowCount());
    ProgressBar1->setValue(0);
    CombinationFillResult filled;
    if (const Combination* combination = Windows::get<Form41>()->chosenCombination()) {
        filled = FillFromCombination(ProgramLibraryTables(), album, ProgramMatchingWork(),
                                     ProgramMatchingOptions(), *combination, [this] {
                                         advance();
                                         processPendingEvents();
                                     });
    } else {
        filled.unplaced = CountWaitingPhotos(album.photos);
    }
    lastMatching_.passes = filled.membersUsed;
    lastMatching_.placed = filled.placed;
    lastMatching_.unplaced = filled.unplaced;

    ProgressBar1->setValue(ProgressBar1->maximum());
    accept();
    if (!lastSkipped_.isEmpty()) ShowMessage(SkippedPhotosMessage(lastSkipped_));
    if (filled.unplaced > 0) ShowMessage(CombinationUnplacedMessage(filled.unplaced));
}
