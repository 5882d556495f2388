#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class TableComponent;

// An item model over a table component's rows for the grids. It follows
// the component's changes one by one, so a re-read that changes nothing
// leaves a grid's selection and scroll position alone.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TableModel(TableComponent *component, QObject *parent = nullptr);

    // The columns shown, by name (empty: all of the component's columns).
    void setVisibleColumns(const QStringList &names);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int componentColumn(int modelColumn) const;

private:
    void reset();
    void rowsChanged(const QList<int> &rows);

    TableComponent *m_component;
    QStringList m_names;
    QList<int> m_columns; // component column of each model column
    int m_rowCount = 0;
};
