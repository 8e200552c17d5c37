#include "app/LyricLabel.h"

#include <QLabel>

#include "app/Form5.h"

void ApplyLyricSettings(QLabel& label, const LyricLook& look) {
    label.setText(look.text);
    label.setFont(look.font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, look.colour);
    label.setPalette(palette);
    label.setGeometry(look.box);
}

void ApplyLyricSettings(QLabel& label, const QWidget& area, const QString& text, int index) {
    const Form5* lyrics = Windows::get<Form5>();
    const TextTable* settings = lyrics ? lyrics->ListView_geci_shezhi_canshu : nullptr;
    const LyricLook look = settings ? ComputeLyricLook(*settings, index, text, area.size())
                                    : ComputeLyricLook(DefaultLyricSettings(1, QString()), text, area.size());
    ApplyLyricSettings(label, look);
}
