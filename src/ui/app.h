#pragma once

#include "data/database.h"
#include "ui/services.h"

#include <QHash>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace ui {

class Window;

// The application object: the one connection, the services, and every window of the
// run under its window name. Windows reach one another through it.
class App {
public:
    App(const QString& databasePath, MessageService& messages, ModalService& modal,
        FileCopyService& files);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Opens (or creates) the database; false with the reason in databaseError().
    bool openDatabase();
    const QString& databaseError() const { return m_database.error(); }
    QSqlDatabase db() const { return m_database.connection(); }
    const QString& databasePath() const { return m_path; }

    MessageService& msg() { return m_messages; }
    ModalService& modal() { return m_modal; }
    FileCopyService& files() { return m_files; }

    // The main window, parent of every other window; the App deletes it last.
    void setMainWindow(QWidget* main);
    QWidget* mainWindow() const { return m_main; }

    // Registers a window under its objectName; it runs its creation reload now.
    void add(Window* window);
    Window* window(const QString& name) const;
    template <class T> T& get(const QString& name) const
    {
        return *static_cast<T*>(window(name));
    }
    QStringList windowNames() const { return m_order; }

    // Shows a window modally through the modal-showing service.
    int showModal(QDialog* window);
    int showModal(const QString& name);

    // Runs a handler. A database error (its transaction already rolled back) shows the
    // engine's text and re-runs the open lists; a value that is not a number shows the
    // invalid-number box. False when the handler was stopped so.
    bool handle(const std::function<void()>& handler);

    // Ends the program: the main window closes and the event loop stops.
    void setEndProgram(std::function<void()> end) { m_end = std::move(end); }
    void endProgram();

private:
    QString m_path;
    data::Database m_database;
    MessageService& m_messages;
    ModalService& m_modal;
    FileCopyService& m_files;
    QWidget* m_main = nullptr;
    QHash<QString, QPointer<Window>> m_windows;
    QStringList m_order;
    std::function<void()> m_end;
    bool m_ending = false;
};

} // namespace ui
