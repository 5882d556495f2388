#pragma once

#include <QCheckBox>

class BoundField;
class DataSource;

// A check box bound to a boolean column: ticking writes true, clearing
// writes false.
class DBCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DBCheckBox(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);
    QString dataField() const;

private:
    void showValue();

    BoundField *m_field;
};
