#include "tablemodel.h"

#include "apperror.h"
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

void TableModel::setTitles(const QStringList &titles)
{
    m_titles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

void TableModel::setAlignments(const QList<Qt::Alignment> &cells, const QList<Qt::Alignment> &titles)
{
    m_cellAlignments = cells;
    m_titleAlignments = titles;
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_cellAlignments.value(index.column(), Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_component->valueAt(index.row(), componentColumn(index.column()));
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_editable || !index.isValid() || role != Qt::EditRole)
        return false;
    const int column = componentColumn(index.column());
    if (column < 0 || column >= m_component->columns().size())
        return false;
    if (m_component->valueAt(index.row(), column).toString() == value.toString())
        return false; // an editor closed without a change starts no edit
    try {
        if (m_component->currentIndex() != index.row())
            m_component->moveTo(index.row());
        m_component->edit();
        m_component->setValue(m_component->columns()[column].name, value);
        return true;
    } catch (const AppError &error) {
        emit writeFailed(error.message());
        return false;
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_titleAlignments.value(section, Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!m_titles.value(section).isEmpty())
        return m_titles[section];
    const int column = componentColumn(section);
    if (column >= 0 && column < m_component->columns().size())
        return m_component->columns()[column].name;
    return m_names.value(section);
}
