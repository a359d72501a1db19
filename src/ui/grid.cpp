#include "ui/grid.h"

#include "data/values.h"

#include <QHeaderView>
#include <QSqlRecord>

namespace ui {

ColumnsModel::ColumnsModel(QSqlQueryModel* source, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_source(source), m_columns(std::move(columns))
{
    mapFields();
    connect(source, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_sourceColumn.clear();
        endResetModel();
    });
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this,
            &ColumnsModel::beginResetModel);
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        mapFields();
        endResetModel();
    });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) {
                beginInsertRows({}, first, last);
            });
    connect(source, &QAbstractItemModel::rowsInserted, this, &ColumnsModel::endInsertRows);
}

void ColumnsModel::mapFields()
{
    m_sourceColumn.clear();
    if (!m_source)
        return;
    const QSqlRecord record = m_source->record();
    for (const Column& c : m_columns)
        m_sourceColumn << record.indexOf(c.field);
}

int ColumnsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->rowCount();
}

int ColumnsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ColumnsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int col = m_sourceColumn.value(index.column(), -1);
    if (col < 0 || !m_source)
        return {};
    const QVariant v = m_source->data(m_source->index(index.row(), col));
    return data::displayText(v, m_columns.at(index.column()).field);
}

QVariant ColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ColumnsModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_source && m_source->canFetchMore();
}

void ColumnsModel::fetchMore(const QModelIndex& parent)
{
    if (!parent.isValid() && m_source)
        m_source->fetchMore();
}

Grid::Grid(const QString& name, data::ListQuery* query, QList<Column> columns, QWidget* parent)
    : QTableView(parent), m_query(query)
{
    setObjectName(name);
    m_columns = new ColumnsModel(query->model(), columns, this);
    setModel(m_columns);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setMinimumWidth(16);
    // A column is as wide as its characters, and never narrower than its title.
    const int charWidth = fontMetrics().averageCharWidth();
    const QFontMetrics titleMetrics = horizontalHeader()->fontMetrics();
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, qMax(columns.at(i).chars * charWidth + 12,
                               titleMetrics.horizontalAdvance(columns.at(i).title) + 20));

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_syncing || !current.isValid() || !m_query)
                    return;
                if (!m_query->setCurrentRow(current.row()))
                    showCurrent();
            });
    connect(query, &data::ListQuery::currentChanged, this, &Grid::showCurrent);
    connect(query, &data::ListQuery::reopened, this, &Grid::showCurrent);
    showCurrent();
}

void Grid::showCurrent()
{
    if (!m_query)
        return;
    m_syncing = true;
    const int row = m_query->currentRow();
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex idx = m_columns->index(row, 0);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        scrollTo(idx);
    }
    m_syncing = false;
}

} // namespace ui
