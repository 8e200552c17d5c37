#pragma once
// Painting a widget, with its children, into a bitmap. Works for hidden widgets and
// without a screen (Qt's offscreen platform), which is how frames are copied for making.

#include <QImage>

class QWidget;

// The widget drawn at its own size into a new ARGB32 image.
QImage paintWidget(QWidget* widget);
// The widget drawn into `target` at (0, 0); the target keeps its size.
void paintWidgetInto(QWidget* widget, QImage& target);
