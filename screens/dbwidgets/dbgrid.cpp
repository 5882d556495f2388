#include "dbgrid.h"

#include "datasource.h"
#include "errorbox.h"
#include "tablecomponent.h"
#include "tablemodel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
// Offers a column's pick list in its cell and runs the grid's paint hook
// after the default painting.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(DBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QStringList items = m_grid->gridColumns().value(index.column()).pickList;
        if (items.isEmpty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->addItems(items);
        return combo;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setEditText(index.data(Qt::EditRole).toString());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            model->setData(index, combo->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (m_grid->cellPainter())
            m_grid->cellPainter()(painter, option, index);
    }

private:
    DBGrid *m_grid;
};
} // namespace

DBGrid::DBGrid(QWidget *parent) : QTableView(parent)
{
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(14);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit rowDoubleClicked(); });
}

void DBGrid::setDataSource(DataSource *source, const QList<GridColumn> &columns)
{
    m_dataSet = source->dataSet();
    m_columns = columns;
    m_model = new TableModel(m_dataSet, this);
    QStringList fields, titles;
    QList<Qt::Alignment> cells, heads;
    for (const GridColumn &column : columns) {
        fields << column.field;
        titles << column.title;
        cells << column.alignment;
        heads << column.titleAlignment;
    }
    m_model->setVisibleColumns(fields);
    m_model->setTitles(titles);
    m_model->setAlignments(cells, heads);
    m_model->setEditable(editTriggers() != QAbstractItemView::NoEditTriggers);
    setModel(m_model);
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width);
    connect(m_model, &TableModel::writeFailed, this, [this](const QString &message) { showError(this, message); });
    connect(m_dataSet, &TableComponent::currentChanged, this, &DBGrid::showComponentRow);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::showComponentRow);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DBGrid::showComponentRow);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DBGrid::showComponentRow);
    showComponentRow();
}

void DBGrid::setReadOnlyRows(bool readOnly)
{
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                                   | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionBehavior(readOnly ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    if (m_model)
        m_model->setEditable(!readOnly);
    if (readOnly) {
        // The selected row stays marked when the focus is elsewhere.
        QPalette p = palette();
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
        setPalette(p);
    }
}

void DBGrid::setLook(const QColor &text, const QColor &titles, bool italic)
{
    QFont cells = font();
    cells.setItalic(italic);
    cells.setFamily(QStringLiteral("Liberation Sans"));
    cells.setPointSize(8);
    setFont(cells);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(cells).height() + 6);
    QPalette p = palette();
    p.setColor(QPalette::Text, text);
    setPalette(p);
    QFont heads = horizontalHeader()->font();
    heads.setItalic(false);
    horizontalHeader()->setFont(heads);
    QPalette h = horizontalHeader()->palette();
    h.setColor(QPalette::ButtonText, titles);
    horizontalHeader()->setPalette(h);
}

QRect DBGrid::cellRect(int row, int column) const { return visualRect(m_model->index(row, column)); }

void DBGrid::showComponentRow()
{
    if (!m_model || m_syncing)
        return;
    const int row = m_dataSet->currentIndex();
    const QModelIndex current = currentIndex();
    if (row < 0 || row >= m_model->rowCount()) {
        return;
    }
    if (current.isValid() && current.row() == row)
        return;
    m_syncing = true;
    setCurrentIndex(m_model->index(row, std::max(current.column(), 0)));
    m_syncing = false;
}

void DBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !m_dataSet || !current.isValid() || current.row() == m_dataSet->currentIndex())
        return;
    const int row = current.row();
    const bool moved = runShowingError(this, [&] { m_dataSet->moveTo(row); });
    if (!moved || m_dataSet->currentIndex() != row)
        QMetaObject::invokeMethod(this, &DBGrid::showComponentRow, Qt::QueuedConnection);
}
