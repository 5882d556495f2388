#pragma once

#include <QObject>

class TableComponent;
class TableModel;

// What grids and data-bound fields attach to: a table component and an
// item model over its rows that follows it.
class DataSource : public QObject
{
    Q_OBJECT
public:
    DataSource(TableComponent *dataSet, QObject *parent = nullptr);

    TableComponent *dataSet() const { return m_dataSet; }
    TableModel *model() const { return m_model; }

private:
    TableComponent *m_dataSet;
    TableModel *m_model;
};
