#include "telenco_carico.h"

#include "ui_telenco_carico.h"

#include "errorbox.h"
#include "fattura/handoff.h"
#include "formbinding.h"
#include "purchasefilepanel.h"
#include "tdiz.h"
#include "tst_fatt.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace {
const Qt::Alignment Left = Qt::AlignLeft;
const Qt::Alignment Centre = Qt::AlignHCenter;
const Qt::Alignment Right = Qt::AlignRight;

GridColumn column(const char *field, const char *title, int width, Qt::Alignment alignment = Left)
{
    return GridColumn(QString::fromLatin1(field), QString::fromUtf8(title), width, alignment, alignment);
}
} // namespace

TElenco_Carico::TElenco_Carico(TDiz *diz, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TElenco_Carico>()), m_diz(diz)
{
    ui->setupUi(this);
    ui->DBNavigator1->setDataSource(diz->Testa_CarS);
    ui->DBNavigator1->setButtons(DBNavigator::All);
    ui->DBGrid1->setDataSource(
        diz->Testa_CarS,
        {column("prot", "Prot", 50), column("rag_soc", "Ragione Sociale", 220), column("tipo_doc", "Tipo Doc.", 70),
         column("data_doc", "Data", 80), column("num_doc", "Numero", 80, Right), column("tot_doc", "Totale", 90, Right),
         column("p_iva", "P. IVA", 100), column("nome_file", "", 200), column("n_rate", "N. Rate", 60, Centre),
         column("scad1", "Scad.1", 80), column("imp_scad1", "Imp. 1", 80, Right), column("scad2", "Scad.2", 80),
         column("imp_scad2", "Imp.2", 80), column("scad3", "Scad.3", 80), column("imp_scad3", "Imp.3", 80),
         column("scad4", "Scad.4", 80), column("imp_scad4", "Imp.4", 80)});
    ui->DBNavigator2->setDataSource(diz->Detta_CarS);
    ui->DBNavigator2->setButtons(DBNavigator::All);
    ui->DBGrid2->setDataSource(
        diz->Detta_CarS, {column("prog", "Prog", 50), column("descrizione", "Descrizione", 300),
                          column("um", "UM", 50, Centre), column("quantita", "Quantita", 80, Right),
                          column("prezzo_unit", "Prezzo Unit.", 90, Right), column("sc_tipo", "Tipo Sc.", 60, Centre),
                          column("sc_perc", "Perc. Sc.", 70, Centre), column("sc_importo", "Importo Sc.", 90, Right),
                          column("prezzo_tot", "Imp. Totale", 90, Right), column("aliquota", "Aliquota", 70, Centre),
                          column("codice_tipo", "Tipo Cod.", 90), column("codice_val", "Valore Cod.", 120)});
    m_files = new PurchaseFilePanel(ui->Drive, ui->DirectoryListBox1, ui->FileListBox1, ui->Edit1, this);
    nameFieldsAfterLabels(this);
    ui->P2->hide();

    connect(ui->BitBtn2, &QPushButton::clicked, this, &TElenco_Carico::BitBtn2Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TElenco_Carico::BitBtn4Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TElenco_Carico::BitBtn3Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TElenco_Carico::BitBtn1Click);
}

TElenco_Carico::~TElenco_Carico() = default;

void TElenco_Carico::BitBtn2Click()
{
    ui->P2->show();
    ui->P2->raise();
}

void TElenco_Carico::BitBtn4Click()
{
    if (m_report)
        m_report->previewQR2(this);
}

void TElenco_Carico::BitBtn3Click()
{
    const QString name = ui->Edit1->text();
    runShowingError(this, [this, &name] {
        if (isPurchaseFileLoaded(*m_diz, name))
            QMessageBox::information(this, QStringLiteral("Attenzione"),
                                     QStringLiteral("Attenzione... File gia Caricato"));
        else
            openAddress(serviceAddress(m_diz->webRoot, ServiceScript::ReadXml, name));
    });
    ui->P2->hide();
}

void TElenco_Carico::BitBtn1Click()
{
    ui->P2->hide();
}

void TElenco_Carico::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}
