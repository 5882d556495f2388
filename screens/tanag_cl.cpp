#include "tanag_cl.h"

#include "ui_tanag_cl.h"

#include "errorbox.h"
#include "formbinding.h"
#include "fattura/invoiceactions.h"
#include "keypreview.h"
#include "registrysearch.h"
#include "tdiz.h"

#include <QShowEvent>

TAnag_Cl::TAnag_Cl(TDiz *diz, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAnag_Cl>()), m_diz(diz)
{
    ui->setupUi(this);
    ui->DBGrid1->setReadOnlyRows(true);
    ui->DBGrid1->setDataSource(diz->ClientiS, {{QStringLiteral("id"), {}, 40},
                                               {QStringLiteral("rag_soc"), QStringLiteral("Ragione Sociale"), 300}});
    ui->DBNavigator1->setDataSource(diz->ClientiS);
    ui->DBNavigator1->setButtons(DBNavigator::allBut(DBNavigator::Insert));
    bindFields(this, diz->ClientiS);
    ui->DBEdit1->setCharCase(DBEdit::CharCase::Upper);  // rag_soc
    ui->DBEdit10->setCharCase(DBEdit::CharCase::Lower); // pec
    ui->DBEdit11->setCharCase(DBEdit::CharCase::Upper); // dest_soc
    nameFieldsAfterLabels(this);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyPress(event); });

    connect(ui->Edit1, &QLineEdit::textChanged, this, &TAnag_Cl::Edit1Change);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TAnag_Cl::BitBtn1Click);
    connect(ui->DBGrid1, &DBGrid::rowDoubleClicked, this, &TAnag_Cl::DBGrid1DblClick);
}

TAnag_Cl::~TAnag_Cl() = default;

void TAnag_Cl::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAnag_Cl::FormShow() { ui->Edit1->setFocus(); }

bool TAnag_Cl::FormKeyPress(QKeyEvent *event) { return KeyPreview::enterMovesFocus(this, event); }

void TAnag_Cl::Edit1Change()
{
    runShowingError(this, [this] {
        m_diz->Clienti->post(); // a row being typed is kept, not dropped by the reopening
        m_diz->Clienti->setSql(registrySearchStatement(m_diz->xml_conn, QStringLiteral("clienti"), ui->Edit1->text()));
    });
}

void TAnag_Cl::BitBtn1Click()
{
    if (runShowingError(this, [this] { m_diz->Clienti->append(); }))
        ui->DBEdit1->setFocus();
}

void TAnag_Cl::DBGrid1DblClick()
{
    if (!m_desk || !m_desk->isVisible())
        return;
    if (runShowingError(this, [this] { copyCustomerToInvoice(*m_diz); }))
        accept();
}
