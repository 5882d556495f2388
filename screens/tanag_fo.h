#pragma once

#include <QDialog>

#include <memory>

class TDiz;

namespace Ui {
class TAnag_Fo;
}

// The supplier registry ("ANAGRAFICA FORNITORI"): search as you type, the
// supplier list and the fields of the current supplier.
class TAnag_Fo : public QDialog
{
    Q_OBJECT
public:
    explicit TAnag_Fo(TDiz *diz, QWidget *parent = nullptr);
    ~TAnag_Fo() override;

private slots:
    void Edit1Change();
    void BitBtn1Click();

private:
    std::unique_ptr<Ui::TAnag_Fo> ui;
    TDiz *m_diz;
};
