#include "boundfield.h"

#include "datasource.h"
#include "errorbox.h"
#include "tablecomponent.h"

#include <QWidget>

BoundField::BoundField(QWidget *owner) : QObject(owner), m_owner(owner) {}

void BoundField::bind(DataSource *source, const QString &field)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = source ? source->dataSet() : nullptr;
    m_field = field;
    if (m_dataSet) {
        auto changed = [this] {
            if (!m_writing)
                emit valueMayHaveChanged();
        };
        connect(m_dataSet, &TableComponent::currentChanged, this, changed);
        connect(m_dataSet, &TableComponent::stateChanged, this, changed);
        connect(m_dataSet, &TableComponent::rowsReset, this, changed);
        connect(m_dataSet, &TableComponent::fieldChanged, this, changed);
        connect(m_dataSet, &TableComponent::rowsChanged, this, [this, changed](const QList<int> &rows) {
            if (rows.contains(m_dataSet->currentIndex()))
                changed();
        });
    }
    emit valueMayHaveChanged();
}

QVariant BoundField::value() const
{
    if (!m_dataSet || !m_dataSet->isOpen() || m_dataSet->columnIndex(m_field) < 0)
        return {};
    if (!m_dataSet->isEditing() && m_dataSet->currentIndex() < 0)
        return {};
    return m_dataSet->value(m_field);
}

int BoundField::maxChars() const
{
    if (!m_dataSet)
        return 0;
    const int column = m_dataSet->columnIndex(m_field);
    if (column < 0)
        return 0;
    const Column &info = m_dataSet->columns()[column];
    return info.kind == Column::Kind::Text ? info.maxChars : 0;
}

bool BoundField::write(const QVariant &value)
{
    if (!m_dataSet)
        return false;
    m_writing = true;
    const bool done = runShowingError(m_owner, [&] {
        m_dataSet->edit();
        m_dataSet->setValue(m_field, value);
    });
    m_writing = false;
    if (!done)
        emit valueMayHaveChanged();
    return done;
}
