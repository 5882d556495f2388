#include "dbcombobox.h"

#include "boundfield.h"

#include <QLineEdit>

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), m_field(new BoundField(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(m_field, &BoundField::valueMayHaveChanged, this, &DBComboBox::showValue);
    connect(this, &QComboBox::activated, this, &DBComboBox::userChose);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DBComboBox::userTyped);
}

void DBComboBox::bind(DataSource *source, const QString &field) { m_field->bind(source, field); }

QString DBComboBox::dataField() const { return m_field->field(); }

void DBComboBox::showValue()
{
    const QString value = m_field->value().toString();
    if (const int size = m_field->maxChars(); size > 0)
        lineEdit()->setMaxLength(size);
    if (value == currentText())
        return;
    const int index = findText(value);
    setCurrentIndex(index);
    setEditText(value);
}

void DBComboBox::userChose(int index)
{
    if (m_field->isBound() && index >= 0)
        m_field->write(itemText(index));
}

void DBComboBox::userTyped(const QString &text)
{
    if (m_field->isBound())
        m_field->write(text);
}
