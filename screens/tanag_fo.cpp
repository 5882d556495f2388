#include "tanag_fo.h"

#include "ui_tanag_fo.h"

#include "errorbox.h"
#include "formbinding.h"
#include "registrysearch.h"
#include "tdiz.h"

TAnag_Fo::TAnag_Fo(TDiz *diz, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAnag_Fo>()), m_diz(diz)
{
    ui->setupUi(this);
    ui->DBGrid1->setReadOnlyRows(true);
    ui->DBGrid1->setDataSource(diz->FornitoriS, {{QStringLiteral("id"), QStringLiteral("ID"), 40},
                                                 {QStringLiteral("rag_soc"), QStringLiteral("Ragione Sociale"), 300}});
    ui->DBNavigator1->setDataSource(diz->FornitoriS);
    ui->DBNavigator1->setButtons(DBNavigator::All);
    bindFields(this, diz->FornitoriS);
    ui->DBEdit1->setCharCase(DBEdit::CharCase::Upper);  // rag_soc
    ui->DBEdit10->setCharCase(DBEdit::CharCase::Lower); // pec
    nameFieldsAfterLabels(this);

    connect(ui->Edit1, &QLineEdit::textChanged, this, &TAnag_Fo::Edit1Change);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TAnag_Fo::BitBtn1Click);
}

TAnag_Fo::~TAnag_Fo() = default;

void TAnag_Fo::Edit1Change()
{
    runShowingError(this, [this] {
        m_diz->Fornitori->post(); // a row being typed is kept, not dropped by the reopening
        m_diz->Fornitori->setSql(
            registrySearchStatement(m_diz->xml_conn, QStringLiteral("fornitori"), ui->Edit1->text()));
    });
}

void TAnag_Fo::BitBtn1Click()
{
    if (runShowingError(this, [this] { m_diz->Fornitori->append(); }))
        ui->DBEdit1->setFocus();
}
