// Form13's music job: measuring the chosen MP3 files and recording them in Form4's table.

#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form4.h"
#include "app/Messages.h"
#include "app/PhotoRendering.h"
#include "media/MusicTable.h"
#include "platform/Events.h"
#include "platform/MusicPlayer.h"
#include "platform/Timer.h"

// Each file is measured through the music player with the switching sequence ending in
// Stop. A file the player cannot load (not audio, empty, unreadable) is skipped: the rows
// before and after it are kept, the window closes as usual, and one message names every
// skipped file.
void Form13::Timer_daoru_yinyueTimer() {
    Timer_daoru_yinyue->setEnabled(false);
    HideRendererNumber();
    MusicPlayer& player = Windows::get<Form2>()->musicPlayer();
    TextTable& music = Windows::get<Form4>()->musicTable();
    lastSkipped_.clear();
    for (const QString& path : Windows::get<Form4>()->chosenFiles()) {
        processPendingEvents();
        QString error;
        if (SwitchMusic(player, path, false, error))
            AppendMusic(music, path, player.Length());
        else
            lastSkipped_.append(path);
        advance();
    }
    accept();
    if (!lastSkipped_.isEmpty()) ShowMessage(SkippedMusicMessage(lastSkipped_));
}
