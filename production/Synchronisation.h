#pragma once
// Which of the album's two sequences leads: the templates (the music loops to fill them)
// or the music (the templates loop under it). Form7's two radio buttons hold the choice;
// the preview and the making read it.

// Template mode: the album lasts as long as its completed templates plus the closing
// movie, and the songs repeat from the first. Music mode: the album follows the songs.
enum class SyncMode { Templates, Music };

// Frames reserved for the closing movie at the end of every album.
inline constexpr int kClosingFrames = 150;

// The album length in template mode: the completed templates' frames + the closing movie.
inline long long AlbumFrames(long long completedTemplateFrames) {
    return completedTemplateFrames + kClosingFrames;
}
