#include "telenco_fatt.h"

#include "ui_telenco_fatt.h"

#include "apperror.h"
#include "controllo/controllosdi.h"
#include "controllo/visualizzafattura.h"
#include "errorbox.h"
#include "exitwatch.h"
#include "formbinding.h"
#include "fattura/fatturacodes.h"
#include "fattura/generaxml.h"
#include "fattura/handoff.h"
#include "fattura/invoiceactions.h"
#include "fattura/invoicelines.h"
#include "keypreview.h"
#include "fattura/linecalc.h"
#include "tdiz.h"
#include "fattura/totali.h"
#include "import/invoiceimport.h"
#include "tst_fatt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QShowEvent>

namespace {
const Qt::Alignment Left = Qt::AlignLeft;
const Qt::Alignment Centre = Qt::AlignHCenter;
const Qt::Alignment Right = Qt::AlignRight;

bool confirmed(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QStringLiteral("Conferma"), question, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Attenzione"), text);
}

// The item chosen in a drop-down of the line panel; typed text does not count.
QString chosen(const QComboBox *combo) { return combo->currentIndex() >= 0 ? combo->currentText() : QString(); }

// Chooses the item that is exactly text, or none.
void choose(QComboBox *combo, const QString &text) { combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly)); }

DBEdit *fieldOf(QWidget *panel, const char *column)
{
    for (DBEdit *edit : panel->findChildren<DBEdit *>())
        if (edit->property("dataField").toString() == QLatin1String(column))
            return edit;
    return nullptr;
}
} // namespace

TElenco_Fatt::TElenco_Fatt(TDiz *diz, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TElenco_Fatt>()), m_diz(diz)
{
    ui->setupUi(this);
    setFixedSize(1220, 703);
    offerCurrentCodes();
    setupGrids();
    setupHeaderPanel();
    for (QComboBox *combo : {ui->cb1, ui->cb2, ui->cb3, ui->CB4})
        combo->setCurrentIndex(-1);
    ui->DBEdit39->bind(diz->DettaS, QStringLiteral("natura"));
    nameFieldsAfterLabels(this);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyPress(event); });

    connect(ui->BitBtn15, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn15Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn3Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn2Click);
    connect(ui->BitBtn11, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn11Click);
    connect(ui->BitBtn13, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn13Click);
    connect(ui->BitBtn14, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn14Click);
    connect(ui->BitBtn16, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn16Click);
    connect(ui->BitBtn17, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn17Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn4Click);
    connect(ui->BitBtn20, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn20Click);
    connect(ui->BitBtn5, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn5Click);
    connect(ui->BitBtn21, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn21Click);
    connect(ui->BitBtn19, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn19Click);
    connect(ui->BitBtn18, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn18Click);
    connect(ui->BitBtn6, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn6Click);
    connect(ui->BitBtn22, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn22Click);
    connect(ui->BitBtn7, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn7Click);
    connect(ui->BitBtn10, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn10Click);
    connect(ui->BitBtn12, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn12Click);
    connect(ui->BitBtn8, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn8Click);
    connect(ui->BitBtn9, &QPushButton::clicked, this, &TElenco_Fatt::BitBtn9Click);
    onExit(ui->Edit2, [this] { Edit2Exit(); });
    onExit(ui->Edit7, [this] { Edit7Exit(); });
    onExit(ui->Edit8, [this] { Edit8Exit(); });
    for (QComboBox *combo : {ui->cb1, ui->cb2, ui->cb3, ui->CB4})
        onExit(combo, [this] { cb1Exit(); });
}

TElenco_Fatt::~TElenco_Fatt() = default;

// The drop-downs offer their own items, then the codes in force that are
// not among them; the legend lists those codes after its own groups.
void TElenco_Fatt::offerCurrentCodes()
{
    auto extend = [](QComboBox *combo, const QList<FatturaCode> &codes) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        combo->clear();
        combo->addItems(FatturaCodes::withCurrentCodes(items, codes));
    };
    extend(ui->CB4, FatturaCodes::natureCodes());
    for (DBComboBox *combo : ui->P4->findChildren<DBComboBox *>()) {
        const QString column = combo->property("dataField").toString();
        if (column.startsWith(QLatin1String("natura")))
            extend(combo, FatturaCodes::natureCodes());
        else if (column == QLatin1String("tipo_doc"))
            extend(combo, FatturaCodes::documentTypes());
    }
    auto *legend = ui->LegendaContenuto->layout();
    const std::pair<const char *, const QList<FatturaCode> *> groups[] = {
        {"Natura Iva (codici in vigore):", &FatturaCodes::natureCodes()},
        {"Tipo Documento (codici in vigore):", &FatturaCodes::documentTypes()},
        {"Regime Fiscale:", &FatturaCodes::taxRegimes()},
    };
    for (const auto &[title, codes] : groups) {
        auto *heading = new QLabel(QString::fromUtf8(title), ui->LegendaContenuto);
        heading->setStyleSheet(QStringLiteral("font-weight: bold; color: #800000; margin-top: 6px;"));
        legend->addWidget(heading);
        for (const FatturaCode &code : *codes) {
            auto *entry = new QLabel(code.legendText(), ui->LegendaContenuto);
            entry->setWordWrap(true);
            entry->setStyleSheet(QStringLiteral("margin-left: 14px;"));
            legend->addWidget(entry);
        }
    }
}

void TElenco_Fatt::setupGrids()
{
    ui->DBGrid1->setDataSource(m_diz->TestataS, {
        {QStringLiteral("id_invio"), QStringLiteral("Id. Invio"), 59, Left},
        {QStringLiteral("tipo_doc"), QStringLiteral("Tipo Doc."), 0, Centre, Left,
         FatturaCodes::withCurrentCodes({QStringLiteral("TD01"), QStringLiteral("TD04"), QStringLiteral("TD05")},
                                        FatturaCodes::documentTypes())},
        {QStringLiteral("data_doc"), QStringLiteral("Data Doc."), 64, Centre, Centre},
        {QStringLiteral("num_doc"), QStringLiteral("N. Doc"), 64, Right, Centre},
        {QStringLiteral("tot_doc"), QStringLiteral("Totale"), 67, Right, Centre},
        {QStringLiteral("tipo_pag"), QStringLiteral("Tipo Pag."), 70, Centre, Left, {QStringLiteral("TP01"), QStringLiteral("TP02")}},
        {QStringLiteral("mod_pag"), QStringLiteral("Mod. Pag."), 64, Centre, Left,
         {QStringLiteral("MP01"), QStringLiteral("MP02"), QStringLiteral("MP05"), QStringLiteral("MP12")}},
        {QStringLiteral("rag_soc"), QStringLiteral("Ragione Sociale"), 64, Left},
        {QStringLiteral("trasporto"), QStringLiteral("Trasportatore"), 64, Left},
        {QStringLiteral("indirizzo"), {}, 64, Left},
        {QStringLiteral("cap"), QStringLiteral("CAP"), 64, Left},
        {QStringLiteral("comune"), QStringLiteral("Comune"), 64, Left},
        {QStringLiteral("prov"), QStringLiteral("Prov"), 64, Left},
        {QStringLiteral("nazione"), QStringLiteral("Nazione"), 64, Left},
        {QStringLiteral("p_iva"), QStringLiteral("Partita Iva"), 64, Left},
        {QStringLiteral("cod_fis"), QStringLiteral("Codice Fiscale"), 93, Left},
        {QStringLiteral("cod_dest"), QStringLiteral("Cod. Destin."), 64, Left},
        {QStringLiteral("pec"), QStringLiteral("Casella PEC"), 64, Left},
        {QStringLiteral("dest_soc"), {}, 64, Left},
        {QStringLiteral("dest_indir"), {}, 64, Left},
        {QStringLiteral("dest_cap"), {}, 64, Left},
        {QStringLiteral("dest_comune"), {}, 64, Left},
    });
    ui->DBGrid1->setLook(QColor(128, 0, 0), Qt::black, true);
    ui->DBGrid1->setCellPainter([this](QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) {
        DBGrid1DrawColumnCell(painter, option, index);
    });

    ui->DBGrid2->setReadOnlyRows(true);
    ui->DBGrid2->setDataSource(m_diz->DettaS, {
        {QStringLiteral("prog"), QStringLiteral("Prog"), 38, Left},
        {QStringLiteral("descrizione"), QStringLiteral("Descrizione"), 515, Left},
        {QStringLiteral("um"), QStringLiteral("UM"), 36, Centre},
        {QStringLiteral("quantita"), QStringLiteral("Quantita"), 68, Right},
        {QStringLiteral("prezzo_unit"), QStringLiteral("Prezzo Unit."), 89, Right},
        {QStringLiteral("prezzo_tot"), QStringLiteral("Imp. Totale"), 93, Right},
        {QStringLiteral("aliquota"), QStringLiteral("Aliquota"), 0, Centre},
        {QStringLiteral("natura"), {}, 64, Left},
        {QStringLiteral("tipo_cessione"), QStringLiteral("Premio/Abb"), 64, Left},
        {QStringLiteral("sc_tipo"), QStringLiteral("Tipo Sc."), 64, Centre},
        {QStringLiteral("sc_perc"), QStringLiteral("Perc. Sc."), 64, Right},
        {QStringLiteral("sc_importo"), QStringLiteral("Importo Sc."), 84, Right},
        {QStringLiteral("codice_tipo"), QStringLiteral("Tipo Cod."), 64, Left},
        {QStringLiteral("codice_val"), QStringLiteral("Valore Cod."), 64, Left},
    });
    ui->DBGrid2->setLook(QColor(0, 0, 128), QColor(128, 0, 0), true);

    ui->DBNavigator1->setDataSource(m_diz->TestataS);
    ui->DBNavigator1->setButtons(DBNavigator::allBut(DBNavigator::Insert));
    ui->DBNavigator2->setDataSource(m_diz->DettaS);
    ui->DBNavigator2->setButtons(DBNavigator::First | DBNavigator::Prior | DBNavigator::Next | DBNavigator::Last
                                 | DBNavigator::Edit | DBNavigator::Post | DBNavigator::Cancel | DBNavigator::Refresh);
}

void TElenco_Fatt::setupHeaderPanel()
{
    bindFields(ui->P4, m_diz->TestataS);
    fieldOf(ui->P4, "rag_soc")->setCharCase(DBEdit::CharCase::Upper);
    fieldOf(ui->P4, "trasporto")->setCharCase(DBEdit::CharCase::Upper);
    fieldOf(ui->P4, "pec")->setCharCase(DBEdit::CharCase::Lower);

    ui->DBGrid3->setDataSource(m_diz->ContrattoS, {{QStringLiteral("tipo"), QStringLiteral("Tipo"), 150, Left, Left,
                                                    {QStringLiteral("DatiOrdineAcquisto"), QStringLiteral("DatiContratto"),
                                                     QStringLiteral("DatiConvenzione"), QStringLiteral("DatiRicezione"),
                                                     QStringLiteral("DatiFattureCollegate")}}});
    ui->DBGrid4->setDataSource(m_diz->ContrattoDS, {
        {QStringLiteral("n_linea"), QStringLiteral("N.Linea"), 50},
        {QStringLiteral("id_documento"), QStringLiteral("Documento"), 90},
        {QStringLiteral("data"), QStringLiteral("Data"), 70},
        {QStringLiteral("numero"), QStringLiteral("Numero"), 60},
        {QStringLiteral("cup"), QStringLiteral("CUP"), 70},
        {QStringLiteral("cig"), QStringLiteral("CIG"), 70},
        {QStringLiteral("cod_comm"), QStringLiteral("Codice Commessa"), 100},
    });
    const DBNavigator::Buttons refButtons = DBNavigator::Insert | DBNavigator::Delete | DBNavigator::Edit
                                            | DBNavigator::Post | DBNavigator::Cancel | DBNavigator::Refresh;
    ui->DBNavigator3->setDataSource(m_diz->ContrattoS);
    ui->DBNavigator3->setButtons(refButtons);
    ui->DBNavigator4->setDataSource(m_diz->ContrattoDS);
    ui->DBNavigator4->setButtons(refButtons);
}

void TElenco_Fatt::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TElenco_Fatt::FormShow()
{
    ui->P2->hide();
    ui->P3->hide();
    ui->P4->hide();
}

bool TElenco_Fatt::FormKeyPress(QKeyEvent *event) { return KeyPreview::enterMovesFocus(this, event); }

// Sent invoices: every cell of the row white on red, the text always from
// the left edge.
void TElenco_Fatt::DBGrid1DrawColumnCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    TableComponent *testata = m_diz->Testata;
    if (!testata->valueAt(index.row(), testata->columnIndex(QStringLiteral("inviata"))).toBool())
        return;
    painter->save();
    painter->fillRect(option.rect, QColor(255, 0, 0));
    painter->setPen(Qt::white);
    painter->setFont(ui->DBGrid1->font());
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

// ---- whole invoices -----------------------------------------------------

void TElenco_Fatt::BitBtn15Click() { runShowingError(this, [this] { newInvoice(*m_diz); }); }

void TElenco_Fatt::BitBtn3Click()
{
    if (m_customers)
        m_customers->exec();
}

void TElenco_Fatt::BitBtn1Click() { ui->P2->show(); }

void TElenco_Fatt::BitBtn2Click() { ui->P2->hide(); }

void TElenco_Fatt::BitBtn11Click() { ui->P4->show(); }

void TElenco_Fatt::BitBtn13Click()
{
    if (runShowingError(this, [this] { RicalcolaTotali(*m_diz); }))
        ui->P4->hide();
}

void TElenco_Fatt::BitBtn14Click()
{
    if (m_diz->Testata->isEditing())
        m_diz->Testata->cancel();
    ui->P4->hide();
}

void TElenco_Fatt::BitBtn16Click()
{
    if (isInvoiceSent(*m_diz)) {
        inform(this, QStringLiteral("Operazione non possibile... Fattura Inviata"));
        return;
    }
    if (!confirmed(this, QStringLiteral("Confermi Eliminazione Fattura: ?")))
        return;
    runShowingError(this, [this] { deleteInvoice(*m_diz); });
}

void TElenco_Fatt::BitBtn17Click()
{
    if (!m_report)
        return;
    try {
        m_report->previewQR1(this);
    } catch (...) {
        inform(this, QStringLiteral("Mancanza Dati"));
    }
}

void TElenco_Fatt::BitBtn4Click()
{
    QString file;
    if (runShowingError(this, [&] { file = GeneraXmlPrivati(*m_diz); }))
        showCheckOf(file);
}

void TElenco_Fatt::BitBtn20Click()
{
    QString file;
    if (runShowingError(this, [&] { file = GeneraXmlPA(*m_diz); }))
        showCheckOf(file);
}

// A clean file shows nothing; otherwise every problem with its code.
void TElenco_Fatt::showCheckOf(const QString &file)
{
    SdiProblems problems;
    if (!runShowingError(this, [&] { problems = ControlloSdi::checkFile(file); }) || problems.isEmpty())
        return;
    const QString verdict = hasErrors(problems) ? QStringLiteral("Il file %1 non supera il Controllo SdI:")
                                                : QStringLiteral("Il file %1 supera il Controllo SdI, con avvisi:");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Controllo SdI"),
                    verdict.arg(QFileInfo(file).fileName()), QMessageBox::Ok, this);
    box.setInformativeText(sdiProblemsText(problems));
    box.exec();
}

// The current invoice's file goes to the service when it passes the SdI
// check, or when the user wants it sent all the same.
bool TElenco_Fatt::mayHandOffCurrentInvoice()
{
    QString problems;
    try {
        const SdiProblems found = ControlloSdi::checkFile(invoiceFilePath(*m_diz));
        if (hasErrors(found))
            problems = sdiProblemsText(found);
    } catch (const AppError &error) {
        problems = error.message();
    }
    if (problems.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Controllo SdI"), ControlloSdi::sendAnywayQuestion(),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(problems);
    return box.exec() == QMessageBox::Yes;
}

void TElenco_Fatt::BitBtn22Click()
{
    runShowingError(this, [this] {
        openAddress(QUrl::fromLocalFile(VisualizzaFattura::writeHtml(invoiceFilePath(*m_diz))));
    });
}

void TElenco_Fatt::openAddress(const QUrl &address) { QDesktopServices::openUrl(address); }

void TElenco_Fatt::sendCurrentInvoice(bool publicAdministration)
{
    if (isInvoiceSent(*m_diz)) {
        inform(this, QStringLiteral("Fattura gia inviata"));
        return;
    }
    if (!confirmed(this, QStringLiteral("Confermi invio a SDI ?")) || !mayHandOffCurrentInvoice())
        return;
    openAddress(invoiceAddress(*m_diz, publicAdministration ? ServiceScript::MailSdiPa : ServiceScript::MailSdi));
}

void TElenco_Fatt::BitBtn5Click() { sendCurrentInvoice(false); }

void TElenco_Fatt::BitBtn21Click() { sendCurrentInvoice(true); }

void TElenco_Fatt::BitBtn19Click()
{
    if (!confirmed(this, QStringLiteral("Confermi invio Fatture al SDI: ?")))
        return;
    runShowingError(this, [this] {
        handOffUnsentInvoices(*m_diz, [this](const QUrl &url) {
            if (mayHandOffCurrentInvoice())
                openAddress(url);
        });
    });
}

// The import with its count and a way to stop between two invoices; the
// window keeps answering while it runs.
void TElenco_Fatt::BitBtn18Click()
{
    if (!confirmed(this, InvoiceImport::confirmationQuestion()))
        return;
    QProgressDialog progress(this);
    progress.setWindowTitle(QStringLiteral("Importa Fatture"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButtonText(QStringLiteral("Interrompi"));
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    ImportResult result;
    const bool ran = runShowingError(this, [&] {
        result = InvoiceImport(*m_diz).run([&](int current, int total, bool &stop) {
            progress.setMaximum(total);
            progress.setValue(current - 1);
            progress.setLabelText(InvoiceImport::progressText(current, total));
            QCoreApplication::processEvents();
            stop = progress.wasCanceled();
        });
    });
    progress.close();
    if (!ran)
        return;
    QStringList fileNames;
    for (const ImportedInvoice &invoice : result.invoices)
        fileNames << invoice.fileName;
    QString summary = InvoiceImport::summaryText(result);
    if (result.failed())
        summary += QStringLiteral("\n\n") + result.failure;
    const QString problems = checkOfImportedFiles(fileNames);
    if (!problems.isEmpty())
        summary += QStringLiteral("\n\n") + problems;
    inform(this, summary);
}

// The SdI check of the files an import wrote: the problems of each file
// that has any, under its name.
QString TElenco_Fatt::checkOfImportedFiles(const QStringList &fileNames)
{
    const QString folder = m_diz->AziendaT->text(QStringLiteral("path")).trimmed();
    QStringList report;
    for (const QString &name : fileNames) {
        QString problems;
        try {
            problems = sdiProblemsText(ControlloSdi::checkFile(folder + name));
        } catch (const AppError &error) {
            problems = error.message();
        }
        if (!problems.isEmpty())
            report << QStringLiteral("Il file %1 non supera il Controllo SdI:\n%2").arg(name, problems);
    }
    return report.join(QStringLiteral("\n\n"));
}

void TElenco_Fatt::BitBtn6Click()
{
    if (m_articles)
        m_articles->exec();
}

// ---- lines ---------------------------------------------------------------

void TElenco_Fatt::BitBtn7Click()
{
    m_newLine = true;
    ui->P3->show();
    ui->Edit1->setFocus();
    ui->Edit2->setText(QStringLiteral("0,00"));
    ui->Edit7->setText(QStringLiteral("0,00"));
    ui->Edit3->setText(QStringLiteral("PZ"));
    ui->Edit4->setText(QStringLiteral("22"));
}

void TElenco_Fatt::BitBtn10Click()
{
    if (m_diz->Detta->isEmpty()) {
        inform(this, QStringLiteral("Nessuna riga da modificare: la fattura non ha righe"));
        return;
    }
    m_newLine = false;
    ui->P3->show();
    const LineValues line = currentLineValues(*m_diz->Detta);
    ui->Edit1->setText(line.descrizione);
    ui->Edit5->setText(line.codice_tipo);
    ui->Edit6->setText(line.codice_val);
    ui->Edit3->setText(line.um);
    ui->Edit7->setText(line.prezzo_unit);
    ui->cb1->setCurrentIndex(-1);
    choose(ui->cb1, line.sc_tipo);
    ui->Edit8->setText(line.sc_perc);
    ui->Edit9->setText(line.sc_importo);
    ui->Edit10->setText(line.prezzo_tot);
    ui->Edit4->setText(line.aliquota);
    ui->Edit2->setText(line.quantita);
    // The other choices too, so that "Registra" does not write stale ones.
    choose(ui->cb2, line.tipo_cessione);
    choose(ui->cb3, line.ritenuta);
    choose(ui->CB4, line.natura);
    ui->Edit11->setText(line.rif_amm);
    ui->Edit1->setFocus();
}

void TElenco_Fatt::BitBtn12Click()
{
    if (!confirmed(this, QStringLiteral("Confermi Eliminazione Riga: ?")))
        return;
    runShowingError(this, [this] { m_diz->Detta->remove(); });
}

void TElenco_Fatt::BitBtn8Click()
{
    const LineValues values{ui->Edit1->text(), ui->Edit5->text(), ui->Edit6->text(), ui->Edit3->text(),
                            ui->Edit7->text(), chosen(ui->cb1), chosen(ui->cb2), chosen(ui->cb3), chosen(ui->CB4),
                            ui->Edit8->text(), ui->Edit9->text(), ui->Edit10->text(), ui->Edit11->text(),
                            ui->Edit4->text(), ui->Edit2->text()};
    if (runShowingError(this, [&] { storeLine(*m_diz, m_newLine, values); }))
        ui->P3->hide();
}

void TElenco_Fatt::BitBtn9Click() { ui->P3->hide(); }

void TElenco_Fatt::Edit2Exit()
{
    ui->Edit2->setText(reformatQuantity(ui->Edit2->text()));
    CalcolaRiga();
}

void TElenco_Fatt::Edit7Exit()
{
    ui->Edit7->setText(reformatPrice(ui->Edit7->text()));
    CalcolaRiga();
}

void TElenco_Fatt::Edit8Exit()
{
    ui->Edit8->setText(reformatPercentage(ui->Edit8->text()));
    CalcolaRiga();
}

void TElenco_Fatt::cb1Exit() { CalcolaRiga(); }

void TElenco_Fatt::CalcolaRiga()
{
    LineAmounts line{ui->Edit2->text(), ui->Edit7->text(), chosen(ui->cb1), ui->Edit8->text(), ui->Edit9->text(),
                     ui->Edit10->text()};
    try {
        computeLine(line);
    } catch (...) {
        inform(this, QStringLiteral("Errore"));
    }
    ui->Edit8->setText(line.scPerc);
    ui->Edit9->setText(line.scImporto);
    ui->Edit10->setText(line.totale);
}
