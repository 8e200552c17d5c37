#pragma once
// The state words of an album making, as the making window and the make commands store
// them in their hidden fields.

#include <QString>

namespace MakingWord {
inline const QString kPreparing = QStringLiteral("bofang_tingzhi");   // run word: preparing
inline const QString kProducing = QStringLiteral("zhizuo_kaishi");    // run word: producing
inline const QString kStopped = QStringLiteral("zhizuo_tingzhi");     // run word: stopped or finished
inline const QString kOn = QStringLiteral("kai");                     // a switch on
inline const QString kOff = QStringLiteral("guan");                   // a switch off
inline const QString kPlayerCreated = QStringLiteral("yi_chuangjian_Falsh");
inline const QString kPictureDone = QStringLiteral("picture_0_wancheng");
inline const QString kDvdToVcd = QStringLiteral("zhizuo_dvd_to_vcd");
inline const QString kNone = QStringLiteral("wu");
inline const QString kMakeAlbumJob = QStringLiteral("MCL_zhizuo_xiangce");
// The movie variable every loaded movie must answer, and its answer.
inline const QString kMovieMarkerVariable = QStringLiteral("k_r_d_o_k_p_w_r_w");
inline const QString kMovieMarkerValue = QStringLiteral("k_r_d_a_b_p_w_e_o_o_kr_w_u_i");
}  // namespace MakingWord
