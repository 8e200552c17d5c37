// Form13's photo jobs: adding the chosen files and matching the waiting photos.

#include <QProgressBar>

#include "app/Form13.h"
#include "app/Form3.h"
#include "app/Form3Tables.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "photos/PhotoCollection.h"
#include "photos/PhotoTable.h"
#include "platform/Events.h"
#include "platform/Timer.h"

void Form13::Timer3Timer() {
    Timer3->setEnabled(false);
    appendPhotos(Windows::get<Form3>()->chosenFiles());
    const AlbumTables album = ProgramAlbumTables();
    ProgressBar1->setRange(0, album.photos.rowCount());
    ProgressBar1->setValue(0);
    lastMatching_ = match();
    ProgressBar1->setValue(ProgressBar1->maximum());
    accept();
    if (!lastSkipped_.isEmpty()) ShowMessage(SkippedPhotosMessage(lastSkipped_));
    if (lastMatching_.unplaced > 0) ShowMessage(UnplacedPhotosMessage(lastMatching_.unplaced));
}

void Form13::appendPhotos(const QStringList& files) {
    TextTable& photos = ProgramAlbumTables().photos;
    lastSkipped_.clear();
    for (const QString& path : files) {
        processPendingEvents();
        const UprightCheck check = CheckUprightPhoto(path);
        if (check.ok())
            AppendPhoto(photos, path, RecordedPhotoSize(check.stored, check.delivered));
        else
            lastSkipped_.append(path);
        advance();
    }
}

void Form13::Timer_zidong_zhaopian_yu_moban_pipeiTimer() {
    Timer_zidong_zhaopian_yu_moban_pipei->setEnabled(false);
    HideRendererNumber();
    lastMatching_ = match();
    accept();
    if (lastMatching_.unplaced > 0) ShowMessage(UnplacedPhotosMessage(lastMatching_.unplaced));
}

// Rebuilds the horizontal-photo table, gives empty backgrounds a photo, rebuilds the
// pending tables and places them; one pass per progress step.
MatchingResult Form13::match() {
    PhotoMatcher matcher(ProgramLibraryTables(), ProgramAlbumTables(), ProgramMatchingWork(),
                         ProgramMatchingOptions());
    return matcher.RunJob([this] {
        advance();
        processPendingEvents();
    });
}
