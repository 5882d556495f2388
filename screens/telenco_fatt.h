#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QKeyEvent;
class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
class QUrl;
class TDiz;
class TSt_Fatt;

namespace Ui {
class TElenco_Fatt;
}

// The invoice desk: the list of invoice headers with the lines of the
// current one, the legend (P2), the line entry panel (P3) and the header
// entry panel (P4), and the buttons for every action on an invoice.
class TElenco_Fatt : public QDialog
{
    Q_OBJECT
public:
    explicit TElenco_Fatt(TDiz *diz, QWidget *parent = nullptr);
    ~TElenco_Fatt() override;

    // The screens and actions the desk opens, once they exist.
    void setCustomerRegistry(QDialog *registry) { m_customers = registry; }
    void setArticlesScreen(QDialog *articles) { m_articles = articles; }
    void setReport(TSt_Fatt *report) { m_report = report; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    // Header list and whole invoices.
    void BitBtn15Click(); // Nuova
    void BitBtn3Click();  // Sel. Cliente
    void BitBtn1Click();  // Legenda
    void BitBtn2Click();  // Chiudi (legend)
    void BitBtn11Click(); // Testata Doc.
    void BitBtn13Click(); // Registra (header)
    void BitBtn14Click(); // Annulla (header)
    void BitBtn16Click(); // Elimina Fattura
    void BitBtn17Click(); // Stampa
    void BitBtn4Click();  // Creazione File XML
    void BitBtn20Click(); // XML P.A.
    void BitBtn5Click();  // Invio a SDI
    void BitBtn21Click(); // Invio P.A.
    void BitBtn19Click(); // Invio Fatture al SDI
    void BitBtn18Click(); // Importa Fatture
    void BitBtn6Click();  // Articoli Magazzino
    void BitBtn22Click(); // Visualizza
    // Lines.
    void BitBtn7Click();  // Ins. Riga
    void BitBtn10Click(); // Mod. Riga
    void BitBtn12Click(); // Elimina Riga
    void BitBtn8Click();  // Registra (line)
    void BitBtn9Click();  // Annulla (line)
    void Edit2Exit();
    void Edit7Exit();
    void Edit8Exit();
    void cb1Exit();

private:
    bool FormKeyPress(QKeyEvent *event);
    void DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index);
    void CalcolaRiga();
    void sendCurrentInvoice(bool publicAdministration);
    void openAddress(const QUrl &address);
    void showCheckOf(const QString &file);
    bool mayHandOffCurrentInvoice();
    void offerCurrentCodes();
    QString checkOfImportedFiles(const QStringList &fileNames);
    void setupGrids();
    void setupHeaderPanel();

    std::unique_ptr<Ui::TElenco_Fatt> ui;
    TDiz *m_diz;
    QDialog *m_customers = nullptr;
    QDialog *m_articles = nullptr;
    TSt_Fatt *m_report = nullptr;
    bool m_newLine = true; // mode of the line panel
};
