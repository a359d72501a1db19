#include "data/listquery.h"

#include "data/errors.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace data {

namespace {
QSet<ListQuery*>& allLists()
{
    static QSet<ListQuery*> lists;
    return lists;
}
} // namespace

ListQuery::ListQuery(QSqlDatabase db, const QString& name, QObject* parent)
    : QObject(parent), m_db(std::move(db))
{
    setObjectName(name);
    allLists().insert(this);
}

ListQuery::~ListQuery() { allLists().remove(this); }

void ListQuery::close()
{
    m_model.clear();
    m_open = false;
    if (m_row != -1) {
        m_row = -1;
        emit currentChanged(m_row);
    }
}

void ListQuery::clear()
{
    m_lines.clear();
    m_values.clear();
}

ListQuery& ListQuery::add(const QString& line)
{
    m_lines << line;
    return *this;
}

ListQuery& ListQuery::bind(const QVariant& value)
{
    m_values << value;
    return *this;
}

void ListQuery::openWith(const QString& sql, const QVariantList& values)
{
    if (!mayLeave())
        return;
    m_lines = QStringList{sql};
    m_values = values;
    run(0);
}

void ListQuery::open()
{
    if (!mayLeave())
        return;
    run(0);
}

void ListQuery::reopen()
{
    if (!mayLeave())
        return;
    run(m_row < 0 ? 0 : m_row);
}

void ListQuery::run(int keepRow)
{
    if (m_master)
        takeMasterValues();
    QSqlQuery q(m_db);
    q.setForwardOnly(false); // the model seeks back and forth in the result
    bool ok = q.prepare(sql());
    if (ok) {
        for (int i = 0; i < m_values.size(); ++i)
            q.bindValue(i, m_values.at(i));
        ok = q.exec();
    }
    if (!ok) {
        const QString text = q.lastError().text();
        close();
        throw DbError{text};
    }
    m_model.setQuery(std::move(q));
    m_open = true;
    while (keepRow >= m_model.rowCount() && m_model.canFetchMore())
        m_model.fetchMore();
    const int rows = m_model.rowCount();
    m_row = rows == 0 ? -1 : qMin(keepRow, rows - 1);
    emit reopened();
    emit currentChanged(m_row);
}

void ListQuery::takeMasterValues()
{
    m_values.clear();
    for (const QString& f : m_masterFields)
        m_values << m_master->field(f);
}

void ListQuery::setMaster(ListQuery* master, const QStringList& masterFields)
{
    m_master = master;
    m_masterFields = masterFields;
    connect(master, &ListQuery::currentChanged, this, [this] {
        if (m_lines.isEmpty())
            return;
        try {
            run(0);
        } catch (const DbError&) {
            // run() has closed the list; the detail shows nothing for this row
        }
    });
}

bool ListQuery::mayLeave()
{
    if (!m_leaveCheck || m_leaving || m_row < 0)
        return true;
    m_leaving = true;
    const bool ok = m_leaveCheck();
    m_leaving = false;
    return ok;
}

int ListQuery::rowCount()
{
    while (m_model.canFetchMore())
        m_model.fetchMore();
    return m_model.rowCount();
}

bool ListQuery::setCurrentRow(int row)
{
    if (row == m_row)
        return true;
    while (row >= m_model.rowCount() && m_model.canFetchMore())
        m_model.fetchMore();
    if (row < 0 || row >= m_model.rowCount())
        return false;
    if (!mayLeave())
        return false;
    m_row = row;
    emit currentChanged(m_row);
    return true;
}

void ListQuery::first() { setCurrentRow(0); }

void ListQuery::prior()
{
    if (m_row > 0)
        setCurrentRow(m_row - 1);
}

void ListQuery::next() { setCurrentRow(m_row + 1); }

void ListQuery::last()
{
    const int rows = rowCount();
    if (rows > 0)
        setCurrentRow(rows - 1);
}

QVariant ListQuery::value(int row, const QString& name) const
{
    if (row < 0 || row >= m_model.rowCount())
        return {};
    const int col = m_model.record().indexOf(name);
    return col < 0 ? QVariant() : m_model.record(row).value(col);
}

QVariant ListQuery::value(const QString& name) const { return value(m_row, name); }

QString ListQuery::field(const QString& name) const { return value(name).toString(); }

void ListQuery::reopenAllOpen()
{
    const QSet<ListQuery*> lists = allLists();
    for (ListQuery* l : lists) {
        if (!l->isOpen() || l->m_master)
            continue;
        try {
            l->m_leaving = true; // a rolled-back handler leaves nothing to write
            l->run(qMax(l->m_row, 0));
            l->m_leaving = false;
        } catch (const DbError&) {
            l->m_leaving = false;
        }
    }
}

} // namespace data
