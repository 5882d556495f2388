#include "tanag_az.h"

#include "ui_tanag_az.h"

#include "formbinding.h"
#include "tdiz.h"

Tanag_az::Tanag_az(TDiz *diz, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::Tanag_az>())
{
    ui->setupUi(this);
    ui->DBNavigator1->setDataSource(diz->AziendaS);
    ui->DBNavigator1->setButtons(DBNavigator::Edit | DBNavigator::Post | DBNavigator::Cancel | DBNavigator::Refresh);
    bindFields(this, diz->AziendaS);
    nameFieldsAfterLabels(this);
}

Tanag_az::~Tanag_az() = default;
