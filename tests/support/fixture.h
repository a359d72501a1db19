#pragma once

#include "app/main_unit.h"
#include "fakes.h"
#include "ui/app.h"
#include "ui/window.h"

#include <QTemporaryDir>
#include <QTest>
#include <QVariantList>

#include <memory>

namespace testing {

// The whole application on a temporary database, with the fake services. By default
// it logs in as the first-use account.
class Fixture {
public:
    enum class Start { LoggedIn, AtLogin, Unopened };
    explicit Fixture(Start start = Start::LoggedIn);
    ~Fixture();

    // Builds the application on dbPath(); false when the database was refused.
    bool start();
    void login(const QString& user, const QString& password);

    QString dbPath() const { return m_dir.filePath(QStringLiteral("data/tavu2004.mdb")); }
    ui::App& app() { return *m_app; }
    app::Tmain_frm& main() { return *m_main; }
    template <class T> T& win(const QString& name) { return m_app->get<T>(name); }
    // Hides every window, as the user closing them would, so the next opening reloads.
    void closeAll();

    // Direct reads and writes of the database, bypassing the windows.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    int count(const QString& table, const QString& where = {}, const QVariantList& values = {});
    void exec(const QString& sql, const QVariantList& values = {});
    // Makes the next write of this kind on the table fail with the given text.
    void failOn(const QString& table, const QString& event, const QString& text = "refused");

    FakeMessages msg;
    FakeModal modal;
    FakeFiles files;
    bool ended = false;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ui::App> m_app;
    app::Tmain_frm* m_main = nullptr;
};

} // namespace testing

// Every box a test caused must have been checked, every queued answer used.
#define TAVU_CHECK_BOXES(fx)                                                                  \
    do {                                                                                      \
        const QStringList left = (fx).msg.leftOver();                                         \
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1String("; "))));                 \
    } while (false)
