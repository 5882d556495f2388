#include "dbedit.h"

#include "boundfield.h"

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), m_field(new BoundField(this))
{
    connect(m_field, &BoundField::valueMayHaveChanged, this, &DBEdit::showValue);
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
}

void DBEdit::bind(DataSource *source, const QString &field) { m_field->bind(source, field); }

QString DBEdit::dataField() const { return m_field->field(); }

void DBEdit::showValue()
{
    if (const int size = m_field->maxChars(); size > 0 && inputMask().isEmpty())
        setMaxLength(size);
    const QVariant value = m_field->value();
    const QString shown = value.typeId() == QMetaType::Bool ? (value.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
                                                            : value.toString();
    if (shown != text()) {
        setText(shown);
        home(false);
    }
}

void DBEdit::userEdited(const QString &typed)
{
    QString text = typed;
    if (m_charCase == CharCase::Upper)
        text = typed.toUpper();
    else if (m_charCase == CharCase::Lower)
        text = typed.toLower();
    if (text != typed) {
        const int cursor = cursorPosition();
        setText(text);
        setCursorPosition(cursor);
    }
    if (m_field->isBound())
        m_field->write(this->text());
}
