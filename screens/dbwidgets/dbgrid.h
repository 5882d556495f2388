#pragma once

#include <QStringList>
#include <QTableView>

#include <functional>

class DataSource;
class QStyleOptionViewItem;
class TableComponent;
class TableModel;

// One column of a grid: the component's column shown, its title (empty:
// the column's name), width in pixels (0: the grid chooses), alignment of
// the cells and of the title, and the items offered in a cell being edited.
struct GridColumn
{
    GridColumn() = default;
    GridColumn(const QString &field, const QString &title = {}, int width = 0, Qt::Alignment alignment = Qt::AlignLeft,
               Qt::Alignment titleAlignment = Qt::AlignLeft, const QStringList &pickList = {})
        : field(field), title(title), width(width), alignment(alignment), titleAlignment(titleAlignment),
          pickList(pickList)
    {
    }

    QString field;
    QString title;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    QStringList pickList;
};

// A grid over a data source. Its current row is the component's current
// row both ways. Editable grids write typed cells into the row, which is
// posted when the row is left; read-only grids select whole rows and keep
// the selection visible without focus.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    // Called after the default painting of every cell.
    using CellPainter = std::function<void(QPainter *, const QStyleOptionViewItem &, const QModelIndex &)>;

    explicit DBGrid(QWidget *parent = nullptr);

    void setDataSource(DataSource *source, const QList<GridColumn> &columns = {});
    TableComponent *dataSet() const { return m_dataSet; }
    TableModel *tableModel() const { return m_model; }
    const QList<GridColumn> &gridColumns() const { return m_columns; }

    void setReadOnlyRows(bool readOnly);
    // Text colour and italics of the cells, colour of the titles; the
    // font is the small one that the columns' pixel widths are made for.
    void setLook(const QColor &text, const QColor &titles, bool italic);
    void setCellPainter(CellPainter painter) { m_painter = std::move(painter); }
    const CellPainter &cellPainter() const { return m_painter; }
    // The cell's rectangle as painted, for tests and hooks.
    QRect cellRect(int row, int column) const;

signals:
    void rowDoubleClicked();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void showComponentRow();

    TableComponent *m_dataSet = nullptr;
    TableModel *m_model = nullptr;
    QList<GridColumn> m_columns;
    CellPainter m_painter;
    bool m_syncing = false;
};
