#pragma once

#include "data/listquery.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

namespace ui {

class App;

// A grid column: the field it shows, its width in characters and its title.
struct Column {
    QString field;
    int chars;
    QString title;
};

// The chosen fields of a list query's result, amounts and dates in their display forms.
class ColumnsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ColumnsModel(QSqlQueryModel* source, QList<Column> columns, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void mapFields();

    QPointer<QSqlQueryModel> m_source; // a list may go before the grids over it
    QList<Column> m_columns;
    QList<int> m_sourceColumn;
};

// A read-only grid over a list query; its current row is the query's current row.
class Grid : public QTableView {
    Q_OBJECT
public:
    Grid(const QString& name, data::ListQuery* query, QList<Column> columns, QWidget* parent);
    data::ListQuery* query() const { return m_query; }

private:
    void showCurrent();

    QPointer<data::ListQuery> m_query;
    ColumnsModel* m_columns;
    bool m_syncing = false;
};

} // namespace ui
