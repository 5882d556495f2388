#include "dbcheckbox.h"

#include "boundfield.h"

DBCheckBox::DBCheckBox(QWidget *parent) : QCheckBox(parent), m_field(new BoundField(this))
{
    connect(m_field, &BoundField::valueMayHaveChanged, this, &DBCheckBox::showValue);
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_field->isBound())
            m_field->write(checked);
    });
}

void DBCheckBox::bind(DataSource *source, const QString &field) { m_field->bind(source, field); }

QString DBCheckBox::dataField() const { return m_field->field(); }

void DBCheckBox::showValue()
{
    const QSignalBlocker blocker(this);
    setChecked(m_field->value().toBool());
}
