#include "platform/Window.h"

#include "platform/Desktop.h"
#include "platform/TextTable.h"

namespace {
QList<Window*>& registry() {
    static QList<Window*> windows;
    return windows;
}
}  // namespace

Window::Window(const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Window) {
    setObjectName(name);
    setWindowTitle(caption);
    Windows::add(this);
}

Window::~Window() { Windows::remove(this); }

int Window::showModal() { return Desktop::current().runModal(*this); }

bool Window::invokeHandler(const QString& handler) {
    const QByteArray method = handler.toLatin1();
    return QMetaObject::invokeMethod(this, method.constData(), Qt::DirectConnection);
}

TextTable* Window::table(const QString& name) const {
    return findChild<TextTable*>(name, Qt::FindDirectChildrenOnly);
}

TextTable* Window::addTable(const QString& name, const QStringList& captions) {
    auto* t = new TextTable(captions, this);
    t->setObjectName(name);
    return t;
}

QString Window::field(const QString& name) const {
    QString* storage = fields_.value(name);
    return storage ? *storage : QString();
}

bool Window::setField(const QString& name, const QString& value) {
    QString* storage = fields_.value(name);
    if (!storage) return false;
    *storage = value;
    return true;
}

void Window::bindField(const QString& name, QString* storage) { fields_.insert(name, storage); }

namespace Windows {
void add(Window* window) { registry().append(window); }
void remove(Window* window) { registry().removeAll(window); }
Window* find(const QString& name) {
    for (Window* w : registry())
        if (w->objectName() == name) return w;
    return nullptr;
}
const QList<Window*>& all() { return registry(); }
}  // namespace Windows
