#include "data/query.h"

#include "data/errors.h"

#include <QSqlError>
#include <QSqlRecord>

namespace data {

Query::Query(QSqlDatabase db) : m_db(std::move(db)), m_q(m_db) {}

void Query::close()
{
    m_q.finish();
    m_q = QSqlQuery(m_db);
    m_open = false;
}

void Query::clear()
{
    m_lines.clear();
    m_values.clear();
}

Query& Query::add(const QString& line)
{
    m_lines << line;
    return *this;
}

Query& Query::bind(const QVariant& value)
{
    m_values << value;
    return *this;
}

Query& Query::set(const QString& sql, const QVariantList& values)
{
    close();
    clear();
    m_lines << sql;
    m_values = values;
    return *this;
}

void Query::run()
{
    close();
    m_q.setForwardOnly(false);
    if (!m_q.prepare(sql()))
        throw DbError{m_q.lastError().text()};
    for (int i = 0; i < m_values.size(); ++i)
        m_q.bindValue(i, m_values.at(i));
    if (!m_q.exec())
        throw DbError{m_q.lastError().text()};
}

void Query::open()
{
    run();
    m_open = true;
    m_q.first();
}

void Query::exec()
{
    run();
}

bool Query::first() { return m_open && m_q.first(); }

bool Query::next() { return m_open && m_q.next(); }

int Query::rowCount()
{
    if (!m_open || !m_q.last())
        return 0;
    const int n = m_q.at() + 1;
    m_q.first();
    return n;
}

QVariant Query::value(const QString& name) const
{
    if (!m_open || !m_q.isValid())
        return {};
    const int i = m_q.record().indexOf(name);
    return i < 0 ? QVariant() : m_q.value(i);
}

QString Query::field(const QString& name) const { return value(name).toString(); }

qint64 Query::lastInsertId() const { return m_q.lastInsertId().toLongLong(); }

Transaction::Transaction(QSqlDatabase db) : m_db(std::move(db))
{
    if (!m_db.transaction())
        throw DbError{m_db.lastError().text()};
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    if (!m_db.commit())
        throw DbError{m_db.lastError().text()};
    m_done = true;
}

} // namespace data
