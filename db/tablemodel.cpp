#include "tablemodel.h"

#include "tablecomponent.h"

TableModel::TableModel(TableComponent *component, QObject *parent)
    : QAbstractTableModel(parent), m_component(component)
{
    connect(component, &TableComponent::rowsReset, this, &TableModel::reset);
    connect(component, &TableComponent::rowsChanged, this, &TableModel::rowsChanged);
    connect(component, &TableComponent::rowsInserted, this, [this](int first, int last) {
        beginInsertRows({}, first, last);
        m_rowCount = m_component->rowCount();
        endInsertRows();
    });
    connect(component, &TableComponent::rowRemoved, this, [this](int index) {
        beginRemoveRows({}, index, index);
        m_rowCount = m_component->rowCount();
        endRemoveRows();
    });
    reset();
}

void TableModel::setVisibleColumns(const QStringList &names)
{
    m_names = names;
    reset();
}

void TableModel::reset()
{
    beginResetModel();
    m_columns.clear();
    if (m_names.isEmpty()) {
        for (int i = 0; i < m_component->columns().size(); ++i)
            m_columns << i;
    } else {
        for (const QString &name : m_names)
            m_columns << m_component->columnIndex(name);
    }
    m_rowCount = m_component->rowCount();
    endResetModel();
}

void TableModel::rowsChanged(const QList<int> &rows)
{
    for (int row : rows)
        if (row >= 0 && row < m_rowCount)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int TableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rowCount; }

int TableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

int TableModel::componentColumn(int modelColumn) const { return m_columns.value(modelColumn, -1); }

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_component->valueAt(index.row(), componentColumn(index.column()));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    const int column = componentColumn(section);
    if (column >= 0 && column < m_component->columns().size())
        return m_component->columns()[column].name;
    return m_names.value(section);
}
