#pragma once
// The movies that are not templates: the closing movie played after the last template and
// the start-up animation played in the photo area until photos are first added. Their
// titles are pictures carried inside the movies (rlottie draws no text layers).

#include <QByteArray>
#include <QString>

#include "tools/moviekit/Movie.h"

namespace databuild {

inline constexpr const char* kStartupMarkerName = "k_r_d_p_w_t_g_r_w";
inline constexpr const char* kStartupMarkerValue = "k_r_d_p_w_e_o_t_g_r_w_u_i";
inline constexpr int kStartupArchiveSize = 29954;
inline constexpr int kStartupLayers = 13;
inline constexpr int kClosingLayers = 16;

// 1920 x 1080, `frames` frames (150 in the library): the hand-over picture darkens and
// draws back while the closing title comes in. Answers the template marker.
moviekit::Movie ClosingMovie(int frames = 150);

// 800 x 450, `frames` frames: the program's title animation. Answers the start-up marker
// (or `markerValue` when given, for damaged test libraries).
moviekit::Movie StartupMovie(int frames = 125, const QString& markerValue = kStartupMarkerValue);

// The start-up archive: `movie` in 13 layers, padded after the outermost stream to exactly
// 29954 bytes. Empty, with `error` set, when the wrapped movie is already larger.
QByteArray StartupArchive(const QByteArray& movie, QString& error);

}  // namespace databuild
