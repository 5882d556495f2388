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
    // Per shown column: title (empty: the column's name), alignment of the
    // cells and of the title.
    void setTitles(const QStringList &titles);
    void setAlignments(const QList<Qt::Alignment> &cells, const QList<Qt::Alignment> &titles = {});
    // Cells typed into are written to the component's row (put into editing
    // first); the row is posted when the component leaves it.
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    int componentColumn(int modelColumn) const;
    TableComponent *component() const { return m_component; }

signals:
    // A cell's value could not be written (the data layer's message).
    void writeFailed(const QString &message);

private:
    void reset();
    void rowsChanged(const QList<int> &rows);

    TableComponent *m_component;
    QStringList m_names;
    QList<int> m_columns; // component column of each model column
    QStringList m_titles;
    QList<Qt::Alignment> m_cellAlignments;
    QList<Qt::Alignment> m_titleAlignments;
    bool m_editable = false;
    int m_rowCount = 0;
};
