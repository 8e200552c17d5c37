// Form13's lyric job: recording the chosen lyric files.

#include <QProgressBar>

#include "app/Form13.h"
#include "app/Form5.h"
#include "app/PhotoRendering.h"
#include "media/LyricSettings.h"
#include "platform/Events.h"
#include "platform/Timer.h"

void Form13::Timer_tianjia_geciTimer() {
    Timer_tianjia_geci->setEnabled(false);
    HideRendererNumber();
    Form5* lyrics = Windows::get<Form5>();
    for (const QString& path : lyrics->chosenFiles()) {
        processPendingEvents();
        AppendLyricFile(lyrics->lyricTable(), lyrics->settingsTable(), path);
        advance();
    }
    accept();
}
