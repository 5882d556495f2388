#include "formbinding.h"

#include "dbcheckbox.h"
#include "dbcombobox.h"
#include "dbedit.h"

#include <QLabel>

namespace {
template<typename Field>
void bindAll(QWidget *container, DataSource *source)
{
    for (Field *field : container->findChildren<Field *>()) {
        const QString column = field->property("dataField").toString();
        if (!column.isEmpty())
            field->bind(source, column);
    }
}
} // namespace

void bindFields(QWidget *container, DataSource *source)
{
    bindAll<DBEdit>(container, source);
    bindAll<DBComboBox>(container, source);
    bindAll<DBCheckBox>(container, source);
}

void nameFieldsAfterLabels(QWidget *form)
{
    for (QLabel *label : form->findChildren<QLabel *>())
        if (QWidget *field = label->buddy())
            field->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
}
