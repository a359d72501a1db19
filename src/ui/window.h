#pragma once

#include "ui/app.h"

#include <QDialog>
#include <QPushButton>

class QLabel;
class QLineEdit;

namespace ui {

// A window of the system: a dialog of the given name, caption and size, created once
// and kept for the run; closing only hides it. Its reload handler FormCreate runs at
// creation, and at each showing where the window reloads when opened (never on
// activation: a message box closing over it must not wipe what the user typed).
class Window : public QDialog {
    Q_OBJECT
public:
    enum class Reload { AtCreation, EachShowing };

    Window(App& app, const QString& name, const QString& caption, int width, int height,
           Reload reload);

    virtual void FormCreate() {}
    // Run by App::add once the window is registered.
    void created();

protected:
    void showEvent(QShowEvent* event) override;
    // Hides the window, bypassing reject(), which a document window gives its cancel.
    void closeWindow();

    // Controls carry their names as objectName.
    QPushButton* button(const QString& name, const QString& caption);
    template <class W>
    QPushButton* button(const QString& name, const QString& caption, void (W::*handler)())
    {
        QPushButton* b = button(name, caption);
        connect(b, &QPushButton::clicked, static_cast<W*>(this), handler);
        return b;
    }
    QLineEdit* edit(const QString& name, int maxLength = 0);
    QLabel* label(const QString& name, const QString& text);

    App& app;

private:
    Reload m_reload;
};

} // namespace ui
