#pragma once

#include <QLineEdit>

class BoundField;
class DataSource;

// An edit field bound to one column of a data source's current row. Typing
// puts the row into editing and writes the text as typed; letters can be
// turned to upper or lower case as they are typed, and the column's size
// limits the length.
class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum class CharCase { Normal, Upper, Lower };

    explicit DBEdit(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &field);
    QString dataField() const;
    void setCharCase(CharCase charCase) { m_charCase = charCase; }
    CharCase charCase() const { return m_charCase; }

private:
    void showValue();
    void userEdited(const QString &text);

    BoundField *m_field;
    CharCase m_charCase = CharCase::Normal;
};
