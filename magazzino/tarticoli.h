#pragma once

#include <QDialog>

#include <memory>

class QKeyEvent;
class TDiz;

namespace Ui {
class TArticoli;
}

// The warehouse articles ("ARTICOLI MAGAZZINO"): searches by code and by
// description, the list, the fields of the current article with its sale
// and cost computation. Opened from the invoice desk, a double click adds
// the article to the current invoice; opened from the menu it does nothing.
class TArticoli : public QDialog
{
    Q_OBJECT
public:
    explicit TArticoli(TDiz *diz, QWidget *parent = nullptr);
    ~TArticoli() override;

    // The invoice desk: a double click adds the article only while it is
    // shown.
    void setInvoiceDesk(QWidget *desk) { m_desk = desk; }

    // Every way of closing passes here, so the article being edited is
    // saved; a failure keeps the screen open with the article as typed.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void Edit1Change();
    void Edit2Change();
    void BitBtn1Click(); // Nuovo
    void DBEdit4Exit();
    void DBEdit6Exit();
    void DBEdit9Exit();
    void DBEdit11Exit();
    void DBComboBox1Exit();
    void DBComboBox2Exit();
    void DBGrid3DblClick();

private:
    bool FormKeyPress(QKeyEvent *event);
    bool FormClose();

    std::unique_ptr<Ui::TArticoli> ui;
    TDiz *m_diz;
    QWidget *m_desk = nullptr;
};
