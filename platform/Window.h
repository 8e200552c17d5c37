#pragma once
// Window: the base of every window of the program (Form1 ... Form41, MainForm).
//
// Every window is a single instance, created once at start and alive for the whole run.
// It is borderless (the window draws its own caption bar) and is a QDialog so that it can
// be shown modally; modal showing goes through the Desktop seam, so a scripted desktop can
// act inside the window the way a person would.
//
// A window is reachable by name: its object name is its window name ("Form2"), its
// handlers are invocable methods named as the resources name them ("Button30Click"), its
// tables are TextTable children named as the lists ("ListView_mobancanshu") and its hidden
// text fields are registered by name ("Edit_tuichu"). Tests and the scripted driver reach
// any of them through this class without code of their own per window.

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>

class TextTable;

class Window : public QDialog {
    Q_OBJECT
public:
    // `name` is the window name and object name; `caption` its title text.
    Window(const QString& name, const QString& caption, QWidget* parent = nullptr);
    ~Window() override;

    QString name() const { return objectName(); }

    // Shows the window modally through the installed Desktop and returns when it is closed.
    // Answers the dialog's result code (QDialog::Accepted or Rejected).
    int showModal();

    // Runs the handler of this name (an invocable method or slot without arguments).
    // Answers false when the window has no such handler.
    bool invokeHandler(const QString& handler);

    // The table child of this name, or nullptr.
    TextTable* table(const QString& name) const;
    // A new table child of this name with these column captions.
    TextTable* addTable(const QString& name, const QStringList& captions);

    // Hidden text fields registered with bindField; reading an unknown name answers empty.
    bool hasField(const QString& name) const { return fields_.contains(name); }
    QString field(const QString& name) const;
    // Answers false when no field of that name is registered.
    bool setField(const QString& name, const QString& value);
    QStringList fieldNames() const { return fields_.keys(); }

protected:
    // Registers a QString member as the hidden field `name`; it must live as long as the
    // window does.
    void bindField(const QString& name, QString* storage);

private:
    QHash<QString, QString*> fields_;
};

// The single instances of the windows, in the order they were created.
namespace Windows {
// Registers a window; Window's constructor calls it.
void add(Window* window);
void remove(Window* window);
// The window of this name, or nullptr.
Window* find(const QString& name);
const QList<Window*>& all();
// The single instance of a window class, or nullptr when it was not created.
template <class T>
T* get() {
    for (Window* w : all())
        if (T* t = qobject_cast<T*>(w)) return t;
    return nullptr;
}
}  // namespace Windows
