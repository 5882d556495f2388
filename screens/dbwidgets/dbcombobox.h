#pragma once

#include <QComboBox>

class BoundField;
class DataSource;

// A drop-down bound to one column: it offers its items and also accepts
// typed text; choosing or typing writes the text into the current row.
class DBComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);
    QString dataField() const;

private:
    void showValue();
    void userChose(int index);
    void userTyped(const QString &text);

    BoundField *m_field;
};
