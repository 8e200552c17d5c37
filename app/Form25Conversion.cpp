// Form25: the conversion run (the library's call sequence and its callbacks), finishing
// and the DVD-to-VCD pass.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/Form25.h"
#include "app/Form2.h"
#include "platform/ConversionLibrary.h"
#include "platform/Events.h"
#include "platform/FlashPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "production/AlbumFormat.h"
#include "production/MakingPlan.h"
#include "production/MakingWords.h"

namespace {

bool Checked(const char* window, const char* radio) {
    Window* w = Windows::find(window);
    const QRadioButton* button = w ? w->findChild<QRadioButton*>(radio) : nullptr;
    return button && button->isChecked();
}

// The file of the DVD-to-VCD pass: the album's name with "_VCD", beside it.
QString VcdPassPath(const QString& folder, const QString& input) {
    return QDir(folder).filePath(QFileInfo(input).completeBaseName() + "_VCD.mpg");
}

}  // namespace

void Form25::AbortConversion() {
    if (conversion_)
        MclAbort(conversion_);
}

void Form25::RunConversion() {
    Form2* main = Windows::get<Form2>();
    if (!main)
        return;
    AppState& state = main->state();
    const bool vcdPass = state.Edit_zhizuo_zhuan_zhizuo == MakingWord::kDvdToVcd &&
                         state.Edit_zhizuo_kaishi == MakingWord::kNone;
    const bool albumPass = state.Edit_zhizuo_kaishi == MakingWord::kProducing;
    lstProgress.clear();
    if (vcdPass) {
        edVideoIn = edVideoOut;
        edAudioIn = edAudioOut;
        edVideoOut = edAudioOut = VcdPassPath(state.Edit_xiangce_baocun_weizhi, edVideoIn);
    }
    const int keep = chkKeepDuration->isChecked() ? -1 : 0;

    conversion_ = MclCreate();
    MclHandle handle = conversion_;
    videoList_ = MclListCreate();
    audioList_ = MclListCreate();
    MclAssignVideoSource(handle, [this](MclSource source, int index) {
        QString name;
        if (MclListGetName(videoList_, index, name)) MclSourceSetFile(source, name);
        else MclSourceFinished(source);
    });
    MclAssignVideoFunc(handle, [this, vcdPass](MclHandle, quintptr, int frame) {
        Form2* main = Windows::get<Form2>();
        if (!main || stopped())
            return;
        if (main->state().Edit_zhizuo_kaishi == MakingWord::kProducing) {
            Edit_zhizuo_zhenshu_leijia_sum = QString::number(Edit_zhizuo_zhenshu_leijia_sum.toLongLong() + 1);
            RenderNextFrame();
            if (stopped())
                return;
            int general = ProgressBar_tongyong_jindutiao->value() + 1;
            if (general >= ProgressBar_tongyong_jindutiao->maximum()) general = 0;
            ProgressBar_tongyong_jindutiao->setValue(general);
            ProgressBar_kaishi_zhizuo_xiangce->setValue(ProgressBar_kaishi_zhizuo_xiangce->value() + 1);
        } else if (vcdPass) {
            ProgressBar_kaishi_zhizuo_xiangce->setValue(ProgressBar_kaishi_zhizuo_xiangce->value() + 1);
            if (frame == listFrames_)
                Timer_guanbi_chuangkou->setEnabled(true);
        }
    });
    MclAssignAudioSource(handle, [this](MclSource source, int index) {
        QString name;
        if (MclListGetName(audioList_, index, name)) MclSourceSetFile(source, name);
        else MclSourceFinished(source);
    });
    MclAssignAudioFunc(handle, [](MclHandle, quintptr, int) {});
    MclAssignProgress(handle, [this](MclHandle h, int status, qint64 a, qint64 b, qint64 c) {
        switch (status) {
        case kMclStatusDone: LogProgress("Processing time: " + MclMakeTimeStr(MclGetElapsedTime(h))); break;
        case kMclStatusPreparing: LogProgress("Preparing conversion..."); break;
        case kMclStatusColours: LogProgress("Reducing colors, done frames: " + QString::number(a)); break;
        case kMclStatusFrame:
            LogProgress(QStringLiteral("Frame: %1, Sample: %2, Time Left: %3")
                            .arg(a).arg(b).arg(MclMakeTimeStr(MclGetRemainingTime(h, listFrames_, listSamples_))));
            break;
        case kMclStatusMultiplex: LogProgress("Multiplexing done: " + QString::number(c) + "%"); break;
        default: LogProgress("Unrecognized status code"); break;
        }
    });
    MclAssignError(handle, [this](MclHandle, quintptr, int* answer) {
        *answer = kMclAnswerStop;
        LogProgress(MclGetErrorStr());
    });
    QApplication::setOverrideCursor(Qt::WaitCursor);

    if (vcdPass) {
        ProgressBar_tongyong_jindutiao->setRange(0, 1);
        ProgressBar_tongyong_jindutiao->setValue(1);
        ProgressBar_kaishi_zhizuo_xiangce->setRange(0, int(Edit_zhizuo_zongzhen_sum.toLongLong()));
        ProgressBar_kaishi_zhizuo_xiangce->setValue(0);
        MclListAdd(videoList_, edVideoIn, kMclVideoEntry, 0, 0);
        MclListAdd(audioList_, edAudioIn, kMclAudioEntry, 0, 0);
    } else if (albumPass) {
        const qint64 total = Edit_zhizuo_zongzhen_sum.toLongLong();
        const int songs = ListView_xuyao_yinyue_shuliang->rowCount();
        ProgressBar_tongyong_jindutiao->setRange(0, int(total + songs - 1));
        ProgressBar_tongyong_jindutiao->setValue(0);
        for (qint64 i = 0; i < total; ++i) {
            MclListAdd(videoList_, FrameFilePath(), kMclVideoEntry, 0, 0);
            ProgressBar_tongyong_jindutiao->setValue(int(i + 1));
            if (i % 250 == 0)
                processPendingEvents();
        }
        for (int row = 0; row < songs; ++row) {
            MclListAdd(audioList_, MusicPlanPath(*ListView_xuyao_yinyue_shuliang, row), kMclAudioEntry, 0, 0);
            processPendingEvents();
        }
    }
    listFrames_ = MclListGetFrameCount(videoList_);
    listSamples_ = MclListGetSampleCount(audioList_);
    LogProgress("Total frames:  " + QString::number(listFrames_));
    LogProgress("Total samples: " + QString::number(listSamples_));

    const int system = Checked("Form6", "RadioButton_dianshizhishi_NTSC") ? kMclNtsc : kMclPal;
    Window* form24 = Windows::find("Form24");
    if (vcdPass) {
        MclSetFormatPreset(handle, kMclVcd, system);
    } else if (int preset = ConversionFormatOf(state.Edit_xiangce_leixing); preset >= 0) {
        MclSetFormatPreset(handle, preset, system);
    }
    MclVideoSetKeepDuration(handle, keep);
    MclVideoSetFormat(handle, form24 ? form24->field("Edit_chicun_width").toInt() : Edit_Falsh_Width.toInt(),
                      form24 ? form24->field("Edit_chicun_height").toInt() : Edit_Falsh_Height.toInt(), 32);
    if (albumPass) {
        ProgressBar_tongyong_jindutiao->setRange(0, 100);
        ProgressBar_tongyong_jindutiao->setValue(0);
        Button_tingzhi_zhizuo->setEnabled(true);
    }
    if (Checked("Form6", "RadioButton_gaoqing_huazhi"))
        MclVideoSetBitRate(handle, 20000, 1, 100000);
    MclAudioSetCodec(handle, 2);
    MclVideoSetFileName(handle, edVideoOut);
    MclAudioSetFileName(handle, edAudioOut);
    QApplication::restoreOverrideCursor();

    bool converted = false;
    if (listFrames_ > 0 || listSamples_ > 0) {
        LogProgress("Starting conversion...");
        converting_ = true;
        converted = MclConvert(handle);
        converting_ = false;
        if (MclGetError() != 0)
            LogProgress(MclGetErrorStr());
        LogProgress("Conversion ended.");
    } else {
        LogProgress("Nothing to convert.");
    }
    const int error = MclGetError();
    const QString errorText = MclGetErrorStr();
    MclListFree(videoList_);
    MclListFree(audioList_);
    MclFree(handle);
    videoList_ = audioList_ = nullptr;
    conversion_ = nullptr;

    if (stopped()) {
        // Stopped (or failed) while converting: the library has closed the file.
        if (!finishing_)
            QFile::remove(edVideoOut);
        return;
    }
    if (!converted || error != 0) {
        QFile::remove(edVideoOut);
        FailMaking(error != 0 ? errorText
                              : "制作相册失败: " + QDir::toNativeSeparators(edVideoOut));
        return;
    }
    // Finished: FinishAlbum runs from its timer (already enabled at the last frame).
    Timer_guanbi_chuangkou->setEnabled(true);
}

void Form25::FinishAlbum() {
    if (converting_)
        return;  // the conversion is still completing the file; the timer fires again
    Form2* main = Windows::get<Form2>();
    if (!main)
        return;
    AppState& state = main->state();
    state.Edit_wancheng = MakingWord::kPictureDone;
    Edit_tuichu = MakingWord::kStopped;
    AbortConversion();
    Timer_guanbi_chuangkou->setEnabled(false);
    if (state.Edit_zhizuo_zhuan_zhizuo == MakingWord::kDvdToVcd && state.Edit_zhizuo_kaishi != MakingWord::kNone) {
        state.Edit_zhizuo_kaishi = MakingWord::kNone;
        Edit_tuichu = MakingWord::kProducing;
        finishing_ = true;
        RunConversion();
        finishing_ = false;
        if (!Edit_wancheng_fail.isEmpty())
            return;
        Edit_tuichu = MakingWord::kStopped;
        Timer_guanbi_chuangkou->setEnabled(false);
    }
    if (CheckBox_wancheng_dakai_wenjianjia->isChecked())
        openSaveFolder();
    EndMaking(false);
}
