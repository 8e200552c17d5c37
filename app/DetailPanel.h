#pragma once
// DetailPanel: the read-only detail fields a photo window shows beside its picture (number,
// name, format, width, height, path), each a caption and a one-line field.
//
// The window keeps the values in its own hidden fields; the panel only shows them. Each
// shown field has the object name of the hidden field it shows ("Edit_weizhi"). A value
// too long for its field shows its beginning, and the whole text as the field's hint.

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <utility>

class QLineEdit;

class DetailPanel : public QWidget {
    Q_OBJECT
public:
    struct Field {
        QString name;     // object name of the shown field, as the hidden field is named
        QString caption;  // the text beside it
    };

    // A panel in `parent` with one row per field, in order, `width` pixels wide.
    DetailPanel(QWidget* parent, const QList<Field>& fields, int width);

    // Shows `values` in the fields, in order; missing values show empty.
    void setValues(const QStringList& values);
    // Empties every field.
    void clear() { setValues({}); }
    // The text a field shows now; empty for an unknown name.
    QString value(const QString& name) const;

private:
    QList<QLineEdit*> edits_;
};
