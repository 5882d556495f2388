#include "tanag_az.h"

#include "ui_tanag_az.h"

#include "fattura/fatturacodes.h"
#include "formbinding.h"
#include "tdiz.h"

Tanag_az::Tanag_az(TDiz *diz, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::Tanag_az>())
{
    ui->setupUi(this);
    for (const FatturaCode &regime : FatturaCodes::taxRegimes())
        ui->DBComboBox1->addItem(regime.code); // reg_fisc
    for (const FatturaCode &type : FatturaCodes::withholdingTypes())
        ui->DBComboBox4->addItem(type.code); // rit_tipo
    for (const FatturaCode &reason : FatturaCodes::paymentReasons())
        ui->DBComboBox5->addItem(reason.code); // rit_causale
    ui->DBNavigator1->setDataSource(diz->AziendaS);
    ui->DBNavigator1->setButtons(DBNavigator::Edit | DBNavigator::Post | DBNavigator::Cancel | DBNavigator::Refresh);
    bindFields(this, diz->AziendaS);
    nameFieldsAfterLabels(this);
}

Tanag_az::~Tanag_az() = default;
