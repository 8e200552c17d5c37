// Form2's entry points and the dispatch to its commands.
//
// Every visible or hidden button, menu item, caption label and double-click of the main
// window is one row of EntryPoints(), naming the commands it runs in order; nothing else
// connects them. Each runs through runCommand, which announces the command and runs it.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/Form2.h"
#include "platform/CaptionBar.h"

namespace {
struct EntryPoint {
    const char* control;       // object name of the button, menu item, label or list
    QStringList commands;      // run in this order
};

// Every entry point of the main window. Buttons and menu items run their commands when
// clicked, caption labels when the mouse is released over them, lists when double-clicked.
const QList<EntryPoint>& EntryPoints() {
    static const QList<EntryPoint> table = {
        {"suiButton1", {"Button6Click"}}, {"Button_gongneng_01", {"Button6Click"}}, {"N1", {"Button6Click"}},
        {"suiButton2", {"Button4Click"}}, {"Button_gongneng_02", {"Button4Click"}}, {"N2", {"Button4Click"}},
        {"suiButton3", {"Button7Click"}}, {"Button_gongneng_03", {"Button7Click"}}, {"N4", {"Button7Click"}},
        {"suiButton5", {"Button8Click"}}, {"Button_gongneng_05", {"Button8Click"}}, {"N7", {"Button8Click"}},
        {"suiButton4", {"Button9Click"}}, {"Button_gongneng_06", {"Button9Click"}}, {"N9", {"Button9Click"}},
        {"suiButton6", {"Button10Click"}}, {"Button_gongneng_04", {"Button10Click"}}, {"N6", {"Button10Click"}},
        {"suiButton10", {"Button11Click"}}, {"Button_gongneng_07", {"Button11Click"}}, {"N10", {"Button11Click"}},
        {"ListView_daoru_moban", {"Button11Click"}},
        {"suiButton9", {"Button48Click"}}, {"Button_beijingtupian_09", {"Button48Click"}}, {"N12", {"Button48Click"}},
        {"suiButton8", {"Button28Click"}}, {"Button_xitongshezhi_08", {"Button28Click"}},
        {"suiButton17", {"Button18Click", "Button17Click"}}, {"Button33", {"Button18Click", "Button17Click"}},
        {"suiButton18", {"Button18Click"}}, {"Button26", {"Button18Click"}},
        {"suiButton16", {"Button12Click"}}, {"Button_xitongshezhi_10", {"Button12Click"}}, {"VCD1", {"Button12Click"}},
        {"suiButton15", {"Button13Click"}}, {"Button_xitongshezhi_11", {"Button13Click"}}, {"SVCD1", {"Button13Click"}},
        {"suiButton14", {"Button14Click"}}, {"Button_xitongshezhi_12", {"Button14Click"}}, {"DVD1", {"Button14Click"}},
        {"suiButton13", {"Button15Click"}}, {"Button_gongneng_13", {"Button15Click"}}, {"AVI1", {"Button15Click"}},
        {"Button_xitongshezhi_14", {"Button42Click"}},
        {"Button_xitongshezhi_15", {"Button43Click"}},
        {"Button_xitongshezhi_16", {"Button44Click"}},
        {"Button_charushiping_17", {"Button19Click"}},
        {"Label_guanbi", {"Button3Click"}}, {"N19", {"Button3Click"}},
        {"Button37", {"Button37Click"}}, {"suiButton26", {"Button37Click"}}, {"N_shangyi_ye", {"Button37Click"}},
        {"Button38", {"Button38Click"}}, {"suiButton27", {"Button38Click"}}, {"N_xiayi_ye", {"Button38Click"}},
        {"Button20", {"Button20Click"}}, {"Button21", {"Button21Click"}},
        {"N_diy_ye", {"Button49Click"}},
        {"N_moyi_ye", {"Button50Click"}},
        {"suiButton20", {"Button22Click"}}, {"Button41", {"Button22Click"}},
        {"suiButton19", {"Button23Click"}}, {"Button40", {"Button23Click"}},
        {"suiButton21", {"Button24Click"}}, {"Button39", {"Button24Click"}},
        {"N_chakan_zhaopian", {"Button51Click"}},
        {"N_yulan_moban", {"Button52Click"}},
        {"ListView_daoru_yinyue", {"ListView_daoru_yinyueDblClick"}},
        {"ListView_daoru_geci", {"ListView_daoru_geciDblClick"}},
        {"Label_quanping", {"Label_quanpingMouseUp"}},
        {"Label_huanyuan", {"Label_huanyuanMouseUp"}}, {"suiButton22", {"Label_huanyuanMouseUp"}},
        {"Button34", {"Button34Click"}},
        {"suiButton23", {"HelpClick"}}, {"Button36", {"HelpClick"}}, {"N21", {"HelpClick"}},
    };
    return table;
}
}  // namespace

void Form2::connectEntryPoints() {
    for (const EntryPoint& entry : EntryPoints()) {
        const QStringList commands = entry.commands;
        auto run = [this, commands] {
            for (const QString& command : commands) runCommand(command);
        };
        // Widgets first: a list view shares its name with the table it shows.
        QObject* control = findChild<QWidget*>(entry.control);
        if (!control) control = findChild<QAction*>(entry.control);
        Q_ASSERT_X(control, "Form2", entry.control);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, run);
        } else if (auto* action = qobject_cast<QAction*>(control)) {
            connect(action, &QAction::triggered, this, run);
        } else if (auto* label = qobject_cast<SkinLabel*>(control)) {
            connect(label, &SkinLabel::released, this, run);
        } else if (auto* list = qobject_cast<QAbstractItemView*>(control)) {
            list->viewport()->setProperty("doubleClickCommands", commands);
        }
    }
}

// Double-clicks on the summary lists; clicks, double-clicks and mouse moves on the photo
// cells go to the cell's handlers (Image1Click ..., see PageView.h).
bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QStringList commands = watched->property("doubleClickCommands").toStringList();
        for (const QString& command : commands) runCommand(command);
        if (!commands.isEmpty()) return true;
    }
    for (QLabel* cell : Image) {
        if (watched != cell) continue;
        // The left button clicks; the right one opens the cell's menu only.
        const bool left = (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (left && event->type() == QEvent::MouseButtonPress) runCommand(cell->objectName() + "Click");
        if (left && event->type() == QEvent::MouseButtonDblClick) runCommand(cell->objectName() + "DblClick");
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            state_.Edit_Image_kongjian = cell->objectName();
    }
    return Window::eventFilter(watched, event);
}

bool Form2::runCommand(const QString& command) {
    const int index = metaObject()->indexOfMethod(QMetaObject::normalizedSignature(
        (command + "()").toLatin1().constData()));
    if (index < 0) return false;
    emit commandInvoked(command);
    return invokeHandler(command);
}

