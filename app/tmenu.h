#pragma once

#include <QWidget>

#include <memory>

class QDialog;
class TDiz;

namespace Ui {
class TMenu;
}

// The main menu: connects to the invoice store ("Accedi") and opens the
// program's screens. It is created before the data module, so its
// construction must not touch it.
class TMenu : public QWidget
{
    Q_OBJECT
public:
    explicit TMenu(QWidget *parent = nullptr);
    ~TMenu() override;

    // The data module, once it exists; its failed automatic refreshes, and
    // a server lost and found by them, are shown from here.
    void setDataModule(TDiz *diz);
    // The screen a menu button (1 to 6) shows modally.
    void setScreen(int button, QDialog *screen);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void FormShow();
    void FormClose();
    void BitBtn7Click();
    void B1Click();
    void B2Click();
    void B3Click();
    void B4Click();
    void B5Click();
    void B6Click();

private:
    void showScreen(int button);
    void setScreenButtonsEnabled(bool enabled);
    void showConnectionLost(const QString &message);

    std::unique_ptr<Ui::TMenu> ui;
    TDiz *m_diz = nullptr;
    QDialog *m_screens[6] = {};
    bool m_connectionLossShown = false; // one message per loss of the server
};
