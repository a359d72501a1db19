#include "ui/app.h"

#include "data/errors.h"
#include "data/listquery.h"
#include "data/values.h"
#include "ui/window.h"

#include <QApplication>
#include <QAtomicInt>

namespace ui {

namespace {
QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tavu-%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

App::App(const QString& databasePath, MessageService& messages, ModalService& modal,
         FileCopyService& files)
    : m_path(databasePath), m_database(nextConnectionName()), m_messages(messages),
      m_modal(modal), m_files(files)
{
}

App::~App()
{
    // Windows first (the main window owns the others), then the connection.
    for (const QString& name : m_order) {
        if (Window* w = m_windows.value(name); w && w->parent() == nullptr)
            delete w;
    }
    delete m_main;
}

bool App::openDatabase() { return m_database.open(m_path); }

void App::setMainWindow(QWidget* main) { m_main = main; }

void App::add(Window* window)
{
    const QString name = window->objectName();
    Q_ASSERT(!name.isEmpty() && !m_windows.contains(name));
    m_windows.insert(name, window);
    m_order << name;
    window->created();
}

Window* App::window(const QString& name) const { return m_windows.value(name); }

int App::showModal(QDialog* window) { return m_modal.show(window); }

int App::showModal(const QString& name)
{
    Window* w = window(name);
    Q_ASSERT(w);
    return w ? showModal(w) : 0;
}

bool App::handle(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const data::DbError& e) {
        data::ListQuery::reopenAllOpen();
        m_messages.error(e.text);
    } catch (const data::InvalidNumber& e) {
        m_messages.error(data::invalidNumberText(e.value));
    }
    return false;
}

void App::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_end)
        m_end();
    else
        QCoreApplication::quit();
}

} // namespace ui
