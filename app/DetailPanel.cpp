#include "app/DetailPanel.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kRowHeight = 26;
constexpr int kFieldHeight = 22;
constexpr int kCaptionWidth = 64;
}  // namespace

DetailPanel::DetailPanel(QWidget* parent, const QList<Field>& fields, int width) : QWidget(parent) {
    setObjectName("Panel_xiangxi");
    resize(width, kRowHeight * int(fields.size()));
    int top = 0;
    for (const Field& field : fields) {
        auto* caption = new QLabel(field.caption, this);
        caption->setGeometry(0, top, kCaptionWidth, kFieldHeight);
        caption->setStyleSheet("color: #1c2d3e;");
        auto* edit = new QLineEdit(this);
        edit->setObjectName(field.name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setGeometry(kCaptionWidth, top, width - kCaptionWidth, kFieldHeight);
        edits_.append(edit);
        top += kRowHeight;
    }
}

void DetailPanel::setValues(const QStringList& values) {
    for (int i = 0; i < edits_.size(); ++i) {
        QLineEdit* edit = edits_[i];
        edit->setText(values.value(i));
        edit->setCursorPosition(0);
        edit->setToolTip(values.value(i));
    }
}

QString DetailPanel::value(const QString& name) const {
    for (const QLineEdit* edit : edits_)
        if (edit->objectName() == name) return edit->text();
    return {};
}
