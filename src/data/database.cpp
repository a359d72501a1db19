#include "data/database.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <sqlite3.h>

namespace data {

QString defaultDatabasePath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/tavu/data/tavu2004.mdb");
#else
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/tavu/data/tavu2004.mdb");
#endif
}

namespace {

// Dictionary order of Thai names: words that start with a leading vowel sort by their
// consonant. One collator serves every connection of the run.
int thaiCompare(void* collator, int len1, const void* s1, int len2, const void* s2)
{
    const QStringView a(static_cast<const char16_t*>(s1), len1 / 2);
    const QStringView b(static_cast<const char16_t*>(s2), len2 / 2);
    return static_cast<QCollator*>(collator)->compare(a, b);
}

QCollator* thaiCollator()
{
    static QCollator collator(QLocale(QLocale::Thai, QLocale::Thailand));
    return &collator;
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

bool hasSqliteHeader(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

int pragmaInt(QSqlDatabase& db, const char* pragma, bool* ok)
{
    QSqlQuery q(db);
    *ok = q.exec(QStringLiteral("pragma %1").arg(QLatin1String(pragma))) && q.next();
    return *ok ? q.value(0).toInt() : 0;
}

QString notOursText(const QString& path)
{
    return QStringLiteral("แฟ้ม %1 ไม่ใช่ฐานข้อมูลของโปรแกรมนี้").arg(QDir::toNativeSeparators(path));
}

} // namespace

Database::Database(QString connectionName) : m_name(std::move(connectionName)) {}

Database::~Database()
{
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
}

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_name, false); }

bool Database::configure(QSqlDatabase& db)
{
    sqlite3* h = handleOf(db);
    if (!h) {
        m_error = QStringLiteral("no SQLite handle");
        return false;
    }
    // An unknown double-quoted word must fail, not turn into a string.
    sqlite3_db_config(h, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(h, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (sqlite3_create_collation_v2(h, "THAI", SQLITE_UTF16_ALIGNED, thaiCollator(), thaiCompare,
                                    nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(h));
        return false;
    }
    return true;
}

bool Database::open(const QString& path)
{
    m_path = path;
    m_error.clear();
    if (!QFileInfo::exists(path))
        return create(path) && openChecked(path);
    return openChecked(path);
}

bool Database::create(const QString& path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("ไม่สามารถสร้างโฟลเดอร์ %1")
                      .arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    // Built beside the target and moved into place whole, so a failed start never
    // leaves a half-made database under the office's file name.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    const QString name = m_name + QStringLiteral("-create");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(building);
        ok = db.open() && configure(db);
        if (!ok && m_error.isEmpty())
            m_error = db.lastError().text();
        if (ok) {
            QSqlQuery q(db);
            QStringList all{QStringLiteral("pragma journal_mode=delete"),
                            QStringLiteral("begin")};
            all << schemaStatements() << seedStatements()
                << QStringLiteral("pragma application_id=%1").arg(applicationId)
                << QStringLiteral("pragma user_version=%1").arg(schemaVersion)
                << QStringLiteral("commit");
            for (const QString& s : all) {
                if (!q.exec(s)) {
                    m_error = q.lastError().text();
                    ok = false;
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (ok && !QFile::rename(building, path)) {
        m_error = QStringLiteral("ไม่สามารถสร้างแฟ้ม %1").arg(QDir::toNativeSeparators(path));
        ok = false;
    }
    if (!ok)
        QFile::remove(building);
    return ok;
}

bool Database::openChecked(const QString& path)
{
    if (!hasSqliteHeader(path)) {
        m_error = notOursText(path);
        return false;
    }
    // Look at the file read-only first: a file that is refused is not written at all.
    int version = 0;
    {
        const QString name = m_name + QStringLiteral("-check");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            bool ok = db.open();
            int appId = 0;
            if (ok)
                appId = pragmaInt(db, "application_id", &ok);
            if (ok)
                version = pragmaInt(db, "user_version", &ok);
            if (!ok)
                m_error = db.lastError().text().isEmpty() ? notOursText(path)
                                                           : db.lastError().text();
            else if (appId != applicationId)
                m_error = notOursText(path);
            else if (version > schemaVersion)
                m_error = QStringLiteral("แฟ้ม %1 สร้างจากโปรแกรมรุ่นที่ใหม่กว่า")
                              .arg(QDir::toNativeSeparators(path));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        if (!m_error.isEmpty())
            return false;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    if (!configure(db))
        return false;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("pragma journal_mode=delete"))) {
        m_error = q.lastError().text();
        return false;
    }
    // Upgrades of older files run here, one version at a time, each in its own
    // transaction; version 1 is the first.
    return true;
}

} // namespace data
