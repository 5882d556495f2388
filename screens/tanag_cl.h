#pragma once

#include <QDialog>

#include <memory>

class KeyPreview;
class QKeyEvent;
class TDiz;

namespace Ui {
class TAnag_Cl;
}

// The customer registry ("ANAGRAFICA CLIENTI"): search as you type, the
// customer list and the fields of the current customer. Opened from the
// invoice desk, a double click puts the customer on the current invoice.
class TAnag_Cl : public QDialog
{
    Q_OBJECT
public:
    explicit TAnag_Cl(TDiz *diz, QWidget *parent = nullptr);
    ~TAnag_Cl() override;

    // The invoice desk: a double click copies the customer only while it is
    // shown.
    void setInvoiceDesk(QWidget *desk) { m_desk = desk; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void Edit1Change();
    void BitBtn1Click();
    void DBGrid1DblClick();

private:
    bool FormKeyPress(QKeyEvent *event);

    std::unique_ptr<Ui::TAnag_Cl> ui;
    TDiz *m_diz;
    QWidget *m_desk = nullptr;
};
