#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

// Marks a database file as one of this program's (PRAGMA application_id, "TAVU").
constexpr int applicationId = 0x54415655;
// PRAGMA user_version of the schema this build writes.
constexpr int schemaVersion = 1;

// Where the office's database lives: $XDG_DATA_HOME/tavu/data/tavu2004.mdb
// (~/.local/share/... when unset); C:\tavu\data\tavu2004.mdb on Windows.
QString defaultDatabasePath();

// The one connection of a run. Opening creates a missing file (and its folder) with the
// schema and the seed rows; an existing file must be a database of this program, and is
// upgraded when its schema is older. A file that is refused is never written.
class Database {
public:
    explicit Database(QString connectionName);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // False with the reason in error() when the file cannot be used.
    bool open(const QString& path);
    QSqlDatabase connection() const;
    const QString& error() const { return m_error; }
    const QString& path() const { return m_path; }

private:
    bool create(const QString& path);
    bool openChecked(const QString& path);
    bool configure(QSqlDatabase& db);

    QString m_name;
    QString m_path;
    QString m_error;
};

// The statements that build an empty database of the current version.
QStringList schemaStatements();
QStringList seedStatements();

// The account a new database opens with, announced by the login window.
inline const QString firstUseUser = QStringLiteral("admin");
inline const QString firstUsePassword = QStringLiteral("admin");

} // namespace data
