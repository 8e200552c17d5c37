// Form13's page load: the nine photo cells of the main window.

#include <QLabel>
#include <QProgressBar>

#include "app/Form13.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/PhotoRendering.h"
#include "photos/PhotoTable.h"
#include "photos/PictureFit.h"
#include "platform/Events.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"

namespace {
constexpr int kCellsPerPage = 9;
const QString kFirstLoad = QStringLiteral("kaishi");
const QString kFirstLoadDone = QStringLiteral("jieshu");

// Cell Image1 ... Image9 of the main window, or nullptr while the page view lacks it.
QLabel* PhotoCell(int number) {
    Form2* main = Windows::get<Form2>();
    return main ? main->findChild<QLabel*>("Image" + QString::number(number)) : nullptr;
}
}  // namespace

void ClearPhotoCells() {
    for (int number = 1; number <= kCellsPerPage; ++number) {
        QLabel* cell = PhotoCell(number);
        if (!cell) continue;
        cell->clear();
        cell->setToolTip(QString());
    }
}

void LoadPhotoPage(QProgressBar* progress) {
    ClearPhotoCells();
    const TextTable& photos = *Windows::get<Form3>()->ListView_daoru_zhaopian;
    const int page = Windows::get<Form2>()->field("Edit_fangye_hao").toInt();
    QLabel* first = PhotoCell(1);
    if (!first) return;
    const QSize cellBox = first->size();
    HideRendererNumber();
    for (int number = 1; number <= kCellsPerPage; ++number) {
        const int row = page * kCellsPerPage + number - 1;
        if (row >= photos.rowCount()) break;
        QLabel* cell = PhotoCell(number);
        if (!cell) continue;
        const FramedPicture fit = FitFramed(PhotoWidth(photos, row), PhotoHeight(photos, row), cellBox);
        if (progress && progress->value() < progress->maximum()) progress->setValue(progress->value() + 1);
        processPendingEvents();
        if (fit.isEmpty()) continue;
        const PhotoPicture picture = RenderPhotoPicture(PhotoPath(photos, row), fit.picture.size(),
                                                        fit.picture.topLeft(), fit.frame);
        cell->setPixmap(QPixmap::fromImage(picture.image));
        cell->setToolTip("鼠标双击预览模板效果。    第" + QString::number(row + 1) +
                         "张, 照片名称: " + PhotoName(photos, row));
    }
}

void Form13::Timer_zhaopian_fanyeTimer() {
    Timer_zhaopian_fanye->setEnabled(false);
    LoadPhotoPage(ProgressBar1);
    Form2* main = Windows::get<Form2>();
    if (main->field("FirstPageLoadWord") == kFirstLoad) {
        LoadPhotoPage(ProgressBar1);
        main->setField("FirstPageLoadWord", kFirstLoadDone);
    }
    accept();
}
