#include "datasource.h"

#include "tablemodel.h"

DataSource::DataSource(TableComponent *dataSet, QObject *parent)
    : QObject(parent), m_dataSet(dataSet), m_model(new TableModel(dataSet, this))
{
}
