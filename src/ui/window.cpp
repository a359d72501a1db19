#include "ui/window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace ui {

Window::Window(App& app, const QString& name, const QString& caption, int width, int height,
               Reload reload)
    : QDialog(app.mainWindow()), app(app), m_reload(reload)
{
    setObjectName(name);
    setWindowTitle(caption);
    resize(width, height);
}

void Window::created()
{
    app.handle([this] { FormCreate(); });
}

void Window::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_reload == Reload::EachShowing && !event->spontaneous())
        app.handle([this] { FormCreate(); });
}

void Window::closeWindow() { QDialog::done(QDialog::Rejected); }

QPushButton* Window::button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* Window::edit(const QString& name, int maxLength)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QLabel* Window::label(const QString& name, const QString& text)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    return l;
}

} // namespace ui
