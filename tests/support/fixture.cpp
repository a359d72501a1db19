#include "fixture.h"

#include "app/login_unit.h"
#include "app/startup.h"
#include <QLineEdit>
#include "data/query.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace testing {

Fixture::Fixture(Start how)
{
    if (how == Start::Unopened)
        return;
    if (!start())
        qFatal("database refused: %s", qPrintable(m_app->databaseError()));
    if (how == Start::LoggedIn) {
        login(QStringLiteral("admin"), QStringLiteral("admin"));
        if (!m_main->isEnabled())
            qFatal("first-use login failed");
    }
}

Fixture::~Fixture() = default;

bool Fixture::start()
{
    m_app = std::make_unique<ui::App>(dbPath(), msg, modal, files);
    m_app->setEndProgram([this] { ended = true; });
    if (!m_app->openDatabase())
        return false;
    m_main = app::createWindows(*m_app);
    m_main->show();
    return true;
}

void Fixture::login(const QString& user, const QString& password)
{
    auto& login = win<app::Tlogin_frm>(QStringLiteral("login_frm"));
    login.u_name->setText(user);
    login.u_pass->setText(password);
    login.ok_btnClick();
}

void Fixture::closeAll()
{
    for (const QString& name : m_app->windowNames()) {
        if (name != QLatin1String("login_frm"))
            m_app->window(name)->hide();
    }
}

namespace {
QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}
} // namespace

QVariant Fixture::scalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery q = run(m_app->db(), sql, values);
    return q.next() ? q.value(0) : QVariant();
}

int Fixture::count(const QString& table, const QString& where, const QVariantList& values)
{
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return scalar(sql, values).toInt();
}

void Fixture::exec(const QString& sql, const QVariantList& values)
{
    run(m_app->db(), sql, values);
}

void Fixture::failOn(const QString& table, const QString& event, const QString& text)
{
    exec(QStringLiteral("create trigger fail_%1_%2 before %2 on %1 begin select raise(abort, '%3'); end")
             .arg(table, event, text));
}

} // namespace testing
