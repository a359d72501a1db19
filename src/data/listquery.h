#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QStringList>
#include <QVariantList>

#include <functional>

namespace data {

// The query behind a list: a grid, bound boxes and a navigator show its rows and share
// its current row. Rows are fetched as they are shown, so a list of a large table opens
// at once. A detail list re-runs with the key of its master's current row.
class ListQuery : public QObject {
    Q_OBJECT
public:
    ListQuery(QSqlDatabase db, const QString& name, QObject* parent = nullptr);
    ~ListQuery() override;

    void close();
    void clear();
    ListQuery& add(const QString& line);
    ListQuery& bind(const QVariant& value);
    // close, clear, set the statement and its values, open; the first row becomes current
    void openWith(const QString& sql, const QVariantList& values = {});
    void open();   // runs the statement it holds; the first row becomes current
    void reopen(); // runs it again and keeps the current row where it can
    bool isOpen() const { return m_open; }
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    QVariantList boundValues() const { return m_values; }

    // This list shows the rows of master's current row: the statement's values are the
    // master's fields (in order), taken afresh whenever the master moves or re-opens.
    void setMaster(ListQuery* master, const QStringList& masterFields);

    QSqlQueryModel* model() { return &m_model; }
    int rowCount(); // every row of the result
    bool isEmpty() const { return m_model.rowCount() == 0; }
    int currentRow() const { return m_row; }
    bool setCurrentRow(int row);
    void first();
    void prior();
    void next();
    void last();
    QString field(const QString& name) const; // of the current row, as text
    QVariant value(const QString& name) const;
    QVariant value(int row, const QString& name) const;

    // Asked before the current row is left (another row, refresh, re-open): a list whose
    // row is edited in place writes it here. False keeps the current row.
    void setLeaveRowCheck(std::function<bool()> check) { m_leaveCheck = std::move(check); }

    // Re-runs every open list of the run, after a failed handler rolled its writes back.
    static void reopenAllOpen();

signals:
    void currentChanged(int row);
    void reopened();

private:
    void run(int keepRow);
    void takeMasterValues();
    bool mayLeave();

    QSqlDatabase m_db;
    QSqlQueryModel m_model;
    QStringList m_lines;
    QVariantList m_values;
    bool m_open = false;
    int m_row = -1;
    ListQuery* m_master = nullptr;
    QStringList m_masterFields;
    std::function<bool()> m_leaveCheck;
    bool m_leaving = false;
};

} // namespace data
