#include "dbnavigator.h"

#include "datasource.h"
#include "errorbox.h"
#include "tablecomponent.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QToolButton>

namespace {
struct ButtonLook
{
    const char *glyph;
    const char *name; // tooltip and accessible name
};

// One entry per Button bit, lowest first.
constexpr ButtonLook Looks[] = {
    {"|\u25C0", "Primo"},    {"\u25C0", "Precedente"}, {"\u25B6", "Successivo"}, {"\u25B6|", "Ultimo"},
    {"+", "Inserisci"},     {"\u2212", "Elimina"},    {"\u25B2", "Modifica"},   {"\u2714", "Registra"},
    {"\u2716", "Annulla"},  {"\u21BB", "Aggiorna"},
};
} // namespace

DBNavigator::DBNavigator(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int bit = 0; bit < 10; ++bit) {
        auto *button = new QToolButton(this);
        const QString name = QString::fromUtf8(Looks[bit].name);
        button->setText(QString::fromUtf8(Looks[bit].glyph));
        button->setToolTip(name);
        button->setAccessibleName(name);
        button->setObjectName(QStringLiteral("nav") + name);
        button->setFixedSize(26, 24);
        button->setFocusPolicy(Qt::NoFocus);
        const Button which = Button(1 << bit);
        connect(button, &QToolButton::clicked, this, [this, which] { press(which); });
        layout->addWidget(button);
        m_buttons << button;
    }
    layout->addStretch();
    updateEnabled();
}

void DBNavigator::setDataSource(DataSource *source)
{
    m_dataSet = source->dataSet();
    connect(m_dataSet, &TableComponent::stateChanged, this, &DBNavigator::updateEnabled);
    connect(m_dataSet, &TableComponent::currentChanged, this, &DBNavigator::updateEnabled);
    connect(m_dataSet, &TableComponent::rowsReset, this, &DBNavigator::updateEnabled);
    connect(m_dataSet, &TableComponent::rowsInserted, this, &DBNavigator::updateEnabled);
    connect(m_dataSet, &TableComponent::rowRemoved, this, &DBNavigator::updateEnabled);
    updateEnabled();
}

void DBNavigator::setButtons(Buttons buttons)
{
    for (int bit = 0; bit < m_buttons.size(); ++bit)
        m_buttons[bit]->setVisible(buttons.testFlag(Button(1 << bit)));
}

QToolButton *DBNavigator::button(Button which) const
{
    for (int bit = 0; bit < m_buttons.size(); ++bit)
        if (which == Button(1 << bit))
            return m_buttons[bit];
    return nullptr;
}

void DBNavigator::press(Button which)
{
    if (!m_dataSet)
        return;
    if (which == Delete
        && QMessageBox::question(this, QStringLiteral("Conferma"), deleteQuestion(), QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    TableComponent *table = m_dataSet;
    runShowingError(this, [&] {
        switch (which) {
        case First: table->first(); break;
        case Prior: table->prior(); break;
        case Next: table->next(); break;
        case Last: table->last(); break;
        case Insert: table->append(); break;
        case Delete: table->remove(); break;
        case Edit: table->edit(); break;
        case Post: table->post(); break;
        case Cancel: table->cancel(); break;
        case Refresh: table->refresh(); break;
        default: break;
        }
    });
    updateEnabled();
}

void DBNavigator::updateEnabled()
{
    const bool open = m_dataSet && m_dataSet->isOpen();
    const bool editing = open && m_dataSet->isEditing();
    const int row = open ? m_dataSet->currentIndex() : -1;
    const int rows = open ? m_dataSet->rowCount() : 0;
    const bool notFirst = open && row > 0;
    const bool notLast = open && row >= 0 && row < rows - 1;
    const bool enabled[] = {notFirst || editing, notFirst || editing, notLast || editing, notLast || editing,
                            open, open && rows > 0, open && !editing, editing, editing, open};
    for (int bit = 0; bit < m_buttons.size(); ++bit)
        m_buttons[bit]->setEnabled(enabled[bit]);
}
