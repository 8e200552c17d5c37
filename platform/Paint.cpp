#include "platform/Paint.h"

#include <QPainter>
#include <QWidget>

QImage paintWidget(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paintWidgetInto(widget, image);
    return image;
}

void paintWidgetInto(QWidget* widget, QImage& target) {
    QPainter painter(&target);
    widget->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}
