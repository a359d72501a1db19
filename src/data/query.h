#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace data {

// The work query of a window: a statement built line by line with every value bound,
// then opened (select) or executed. Errors throw DbError with the engine's text.
class Query {
public:
    explicit Query(QSqlDatabase db);

    void close();
    void clear();
    Query& add(const QString& line);
    Query& bind(const QVariant& value);
    // close, clear, add the lines and bind the values in one go
    Query& set(const QString& sql, const QVariantList& values = {});

    void open(); // a select; the first row becomes current
    void exec(); // insert, update, delete

    bool isOpen() const { return m_open; }
    bool isEmpty() const { return !m_open || !m_q.isValid(); } // no current row
    bool first();
    bool next();
    bool eof() const { return !m_q.isValid(); }
    int rowCount(); // walks the result; the first row becomes current again
    QString field(const QString& name) const; // of the current row, as text ("" when none)
    QVariant value(const QString& name) const;
    qint64 lastInsertId() const;
    int rowsAffected() const { return m_q.numRowsAffected(); }
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }

private:
    void run();

    QSqlDatabase m_db;
    QSqlQuery m_q;
    QStringList m_lines;
    QVariantList m_values;
    bool m_open = false;
};

// The statements of one handler, committed together or not at all. The destructor rolls
// back what was not committed, so a thrown DbError leaves the database as it was.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

} // namespace data
