#pragma once

#include <QObject>
#include <QPointer>

#include "tablecomponent.h"
#include <QString>
#include <QVariant>

class DataSource;
class QWidget;
class TableComponent;

// The link of one entry widget to one column of a data source: it tells the
// widget when the value to show may have changed, and writes what the user
// typed into the current row, putting the row into editing first.
class BoundField : public QObject
{
    Q_OBJECT
public:
    explicit BoundField(QWidget *owner);

    void bind(DataSource *source, const QString &field);
    const QString &field() const { return m_field; }
    TableComponent *dataSet() const { return m_dataSet; }
    bool isBound() const { return m_dataSet && !m_field.isEmpty(); }

    // What the widget shows: the current row's value (null when the table is
    // closed, empty or the column unknown).
    QVariant value() const;
    // Size of the column in characters once the table is open (0: unknown).
    int maxChars() const;
    // Writes a value typed by the user; a failure is shown over the widget
    // and reported as false.
    bool write(const QVariant &value);

signals:
    void valueMayHaveChanged();

private:
    QWidget *m_owner;
    QPointer<TableComponent> m_dataSet;
    QString m_field;
    bool m_writing = false;
};
