#include "tarticoli.h"

#include "ui_tarticoli.h"

#include "articleactions.h"
#include "articletoinvoice.h"
#include "errorbox.h"
#include "exitwatch.h"
#include "formbinding.h"
#include "keypreview.h"
#include "tdiz.h"

#include <QShowEvent>

TArticoli::TArticoli(TDiz *diz, QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TArticoli>()), m_diz(diz)
{
    ui->setupUi(this);
    ui->DBGrid3->setReadOnlyRows(true);
    ui->DBGrid3->setDataSource(diz->ArticoliS, {{QStringLiteral("codice_val"), QStringLiteral("Codice"), 120},
                                                {QStringLiteral("descrizione"), QStringLiteral("Descrizione"), 250},
                                                {QStringLiteral("um"), QStringLiteral("UM"), 40},
                                                {QStringLiteral("prezzo_tot"), QStringLiteral("Prezzo Netto"), 90,
                                                 Qt::AlignRight, Qt::AlignRight}});
    ui->DBNavigator1->setDataSource(diz->ArticoliS);
    ui->DBNavigator1->setButtons(DBNavigator::Delete | DBNavigator::Edit | DBNavigator::Post | DBNavigator::Cancel |
                                 DBNavigator::Refresh);
    bindFields(this, diz->ArticoliS);
    ui->DBEdit1->setCharCase(DBEdit::CharCase::Upper);  // descrizione
    ui->DBEdit14->setCharCase(DBEdit::CharCase::Upper); // codice_tipo
    ui->DBEdit15->setCharCase(DBEdit::CharCase::Upper); // codice_val
    nameFieldsAfterLabels(this);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyPress(event); });

    connect(ui->Edit1, &QLineEdit::textChanged, this, &TArticoli::Edit1Change);
    connect(ui->Edit2, &QLineEdit::textChanged, this, &TArticoli::Edit2Change);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TArticoli::BitBtn1Click);
    connect(ui->DBGrid3, &DBGrid::rowDoubleClicked, this, &TArticoli::DBGrid3DblClick);
    onExit(ui->DBEdit4, [this] { DBEdit4Exit(); });
    onExit(ui->DBEdit6, [this] { DBEdit6Exit(); });
    onExit(ui->DBEdit9, [this] { DBEdit9Exit(); });
    onExit(ui->DBEdit11, [this] { DBEdit11Exit(); });
    onExit(ui->DBComboBox1, [this] { DBComboBox1Exit(); });
    onExit(ui->DBComboBox2, [this] { DBComboBox2Exit(); });
}

TArticoli::~TArticoli() = default;

void TArticoli::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TArticoli::done(int result)
{
    if (FormClose())
        QDialog::done(result);
}

void TArticoli::FormShow()
{
    ui->Edit1->clear();
    ui->Edit2->clear();
    ui->Edit1->setFocus();
}

bool TArticoli::FormKeyPress(QKeyEvent *event)
{
    return KeyPreview::enterMovesFocus(this, event);
}

bool TArticoli::FormClose()
{
    return runShowingError(this, [this] { saveArticle(*m_diz); });
}

void TArticoli::Edit1Change()
{
    runShowingError(this, [this] { searchArticles(*m_diz, ArticleSearch::ByCode, ui->Edit1->text()); });
}

void TArticoli::Edit2Change()
{
    runShowingError(this, [this] { searchArticles(*m_diz, ArticleSearch::ByDescription, ui->Edit2->text()); });
}

void TArticoli::BitBtn1Click()
{
    if (runShowingError(this, [this] { newArticle(*m_diz); }))
        ui->DBEdit1->setFocus();
}

void TArticoli::DBEdit4Exit()
{
    runShowingError(this, [this] { leaveArticleAmount(*m_diz, ArticleAmount::SalePrice); });
}

void TArticoli::DBEdit6Exit()
{
    runShowingError(this, [this] { leaveArticleAmount(*m_diz, ArticleAmount::SalePercentage); });
}

void TArticoli::DBEdit9Exit()
{
    runShowingError(this, [this] { leaveArticleAmount(*m_diz, ArticleAmount::CostPrice); });
}

void TArticoli::DBEdit11Exit()
{
    runShowingError(this, [this] { leaveArticleAmount(*m_diz, ArticleAmount::CostPercentage); });
}

void TArticoli::DBComboBox1Exit()
{
    runShowingError(this, [this] { leaveArticleChoice(*m_diz, ArticleSide::Sale); });
}

void TArticoli::DBComboBox2Exit()
{
    runShowingError(this, [this] { leaveArticleChoice(*m_diz, ArticleSide::Cost); });
}

void TArticoli::DBGrid3DblClick()
{
    if (!m_desk || !m_desk->isVisible())
        return;
    if (!runShowingError(this, [this] { addArticleToInvoice(*m_diz); }))
        return;
    ui->Edit1->clear();
    ui->Edit2->clear();
    accept();
}
