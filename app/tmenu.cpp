#include "tmenu.h"

#include "ui_tmenu.h"

#include "apperror.h"
#include "ipini.h"
#include "storelogin.h"
#include "tdiz.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QMessageBox>

TMenu::TMenu(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::TMenu>())
{
    ui->setupUi(this);
    connect(ui->BitBtn7, &QPushButton::clicked, this, &TMenu::BitBtn7Click);
    connect(ui->B1, &QPushButton::clicked, this, &TMenu::B1Click);
    connect(ui->B2, &QPushButton::clicked, this, &TMenu::B2Click);
    connect(ui->B3, &QPushButton::clicked, this, &TMenu::B3Click);
    connect(ui->B4, &QPushButton::clicked, this, &TMenu::B4Click);
    connect(ui->B5, &QPushButton::clicked, this, &TMenu::B5Click);
    connect(ui->B6, &QPushButton::clicked, this, &TMenu::B6Click);
}

TMenu::~TMenu() = default;

void TMenu::setDataModule(TDiz *diz)
{
    m_diz = diz;
    for (TableComponent *table : diz->openOrder()) {
        connect(table, &TableComponent::refreshFailed, this,
                [this](const QString &message) { QMessageBox::critical(this, QStringLiteral("Errore"), message); });
        connect(table, &TableComponent::connectionLost, this, &TMenu::showConnectionLost);
        connect(table, &TableComponent::connectionRestored, this, [this] { m_connectionLossShown = false; });
    }
}

// Every refreshed table finds a lost server on its own: the user hears of
// it once, until one of them reaches the server again.
void TMenu::showConnectionLost(const QString &message)
{
    if (m_connectionLossShown)
        return;
    m_connectionLossShown = true;
    QMessageBox::critical(this, QStringLiteral("Errore"), message);
}

void TMenu::setScreen(int button, QDialog *screen)
{
    if (button >= 1 && button <= 6)
        m_screens[button - 1] = screen;
}

void TMenu::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMenu::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TMenu::FormShow() { setScreenButtonsEnabled(false); }

void TMenu::FormClose()
{
    if (m_diz)
        m_diz->closeTables();
}

void TMenu::setScreenButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {ui->B1, ui->B2, ui->B3, ui->B4, ui->B5, ui->B6})
        button->setEnabled(enabled);
}

void TMenu::BitBtn7Click()
{
    try {
        const std::optional<IpIni> ini = IpIni::read(QDir::currentPath());
        if (!ini || !m_diz)
            return;
        if (m_screens[0]) // the invoice desk carries the desk title
            m_screens[0]->setWindowTitle(ini->deskTitle);
        connectStore(*m_diz, *ini);
        setScreenButtonsEnabled(true);
    } catch (const AppError &error) {
        QMessageBox::critical(this, QStringLiteral("Errore"), error.message());
    }
}

void TMenu::showScreen(int button)
{
    if (QDialog *screen = m_screens[button - 1])
        screen->exec();
}

void TMenu::B1Click() { showScreen(1); }
void TMenu::B2Click() { showScreen(2); }
void TMenu::B3Click() { showScreen(3); }
void TMenu::B4Click() { showScreen(4); }
void TMenu::B5Click() { showScreen(5); }
void TMenu::B6Click() { showScreen(6); }
