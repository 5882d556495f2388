#pragma once

#include <QDialog>

#include <memory>

class PurchaseFilePanel;
class QUrl;
class TDiz;
class TSt_Fatt;

namespace Ui {
class TElenco_Carico;
}

// The purchase invoices ("Elenco Fatture Acquisto"): their headers and
// every line, editable, refreshed on their own as the transmission service
// loads files; the printed purchase invoice; and the load panel (P2) that
// hands a received file's name to the service.
class TElenco_Carico : public QDialog
{
    Q_OBJECT
public:
    explicit TElenco_Carico(TDiz *diz, QWidget *parent = nullptr);
    ~TElenco_Carico() override;

    void setReport(TSt_Fatt *report) { m_report = report; }

private slots:
    void BitBtn2Click(); // Carica Fattura
    void BitBtn4Click(); // Stampa
    void BitBtn3Click(); // Invio Carico
    void BitBtn1Click(); // Chiudi

private:
    void openAddress(const QUrl &address);

    std::unique_ptr<Ui::TElenco_Carico> ui;
    TDiz *m_diz;
    TSt_Fatt *m_report = nullptr;
    PurchaseFilePanel *m_files;
};
