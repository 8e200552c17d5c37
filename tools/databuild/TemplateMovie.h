#pragma once
// The movie of a template, made from its description.
//
// Every template movie: stage 1920 x 1080 at 25 frames per second, as many frames as the
// description says, the template marker variable, an external picture asset "<item>.jpg"
// for every picture item with the item's box (1920 x 1080 for a full-frame item), the
// background "wj_y_l_b_j.jpg" and the hand-over picture "picture_0.jpg" (both 1920 x 1080).
// Frame 0 shows the hand-over picture over the whole stage; it then leaves the way the
// description says while the template's own composition comes in.

#include <QByteArray>

#include "tools/databuild/TemplateSource.h"
#include "tools/moviekit/Movie.h"

namespace databuild {

inline constexpr const char* kTemplateMarkerName = "k_r_d_o_k_p_w_r_w";
inline constexpr const char* kTemplateMarkerValue = "k_r_d_a_b_p_w_e_o_o_kr_w_u_i";
inline constexpr const char* kHandOverPicture = "picture_0.jpg";
inline constexpr const char* kBackgroundPicture = "wj_y_l_b_j.jpg";

moviekit::Movie TemplateMovie(const TemplateSource& source);
QByteArray TemplateMovieBytes(const TemplateSource& source);

}  // namespace databuild
