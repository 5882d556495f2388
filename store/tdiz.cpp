#include "tdiz.h"

#include "managementcolumns.h"

namespace {
constexpr int HeaderRefreshMs = 10000;
constexpr int PurchaseRefreshMs = 5000;
} // namespace

TDiz::TDiz(QObject *parent) : QObject(parent)
{
    xml_conn.setSettings(defaultSettings());
    auto table = [this](const char *name) { return new TableComponent(&xml_conn, QString::fromLatin1(name), this); };
    auto source = [this](TableComponent *dataSet) { return new DataSource(dataSet, this); };

    AziendaT = table("azienda");
    Testata = table("testata");
    Detta = table("dettaglio");
    Clienti = table("clienti");
    Fornitori = table("fornitori");
    Testa_Car = table("test_car");
    Detta_Car = table("dett_car");
    Articoli = table("magazzino");
    ContrattoT = table("test_dati");
    ContrattoD = table("dati_acquisto");
    Query = table("");

    AziendaS = source(AziendaT);
    TestataS = source(Testata);
    DettaS = source(Detta);
    ClientiS = source(Clienti);
    FornitoriS = source(Fornitori);
    Testa_CarS = source(Testa_Car);
    Detta_CarS = source(Detta_Car);
    ArticoliS = source(Articoli);
    ContrattoS = source(ContrattoT);
    ContrattoDS = source(ContrattoD);
    QueryS = source(Query);

    Testata->setSortField(QStringLiteral("id_invio"));
    Clienti->setSortField(QStringLiteral("rag_soc"));
    Fornitori->setSortField(QStringLiteral("rag_soc"));
    Articoli->setSortField(QStringLiteral("codice_val"));

    Detta->setMaster(Testata, QStringLiteral("id_invio"), QStringLiteral("id_invio"));
    ContrattoT->setMaster(Testata, QStringLiteral("id_invio"), QStringLiteral("id_invio"));
    ContrattoD->setMaster(ContrattoT, QStringLiteral("id_invio;tipo"), QStringLiteral("id_invio;tipo"));

    Testata->setAutoRefreshInterval(HeaderRefreshMs);
    Testa_Car->setAutoRefreshInterval(PurchaseRefreshMs);
    Detta_Car->setAutoRefreshInterval(PurchaseRefreshMs);

    Testata->setNewRecordHook(&TDiz::TestataNewRecord);

    Dati.setSettings(managementSettings());
    Test_Fatt = new SourceTable(&Dati, QStringLiteral("testata"), this);
    Dett_Fatt = new SourceTable(&Dati, QStringLiteral("dettag"), this);
    BolleT = new SourceTable(&Dati, QStringLiteral("testata"), this);
    Test_FattS = new DataSource(Test_Fatt->table(), this);
    BolleS = new DataSource(BolleT->table(), this);
    Dett_FattS = new DataSource(Dett_Fatt->table(), this);
    Test_Fatt->setDeclaredFields(managementHeaderColumns());
    Test_Fatt->setCalcFields(managementHeaderCalcColumns(), &TDiz::Test_FattCalcFields);
    Dett_Fatt->setDeclaredFields(managementLineColumns());
    Dett_Fatt->setCalcFields(managementLineCalcColumns(), &TDiz::Dett_FattCalcFields);
    Dett_Fatt->setMaster(BolleS, QStringLiteral("protocollo"), QStringLiteral("prot_testa"));
}

TDiz::~TDiz() = default;

Connection::Settings TDiz::defaultSettings()
{
    Connection::Settings settings;
    settings.server = QStringLiteral("localhost");
    settings.database = QStringLiteral("xml_dosca");
    settings.user = QStringLiteral("root");
    settings.password = QStringLiteral("kertovin_47");
    return settings;
}

Connection::Settings TDiz::managementSettings()
{
    Connection::Settings settings;
    settings.server = QStringLiteral("localhost");
    settings.database = QStringLiteral("a2020");
    settings.user = QStringLiteral("root");
    settings.password = QStringLiteral("kertovin_47");
    return settings;
}

QList<TableComponent *> TDiz::openOrder() const
{
    return {AziendaT, Testata, Detta, Clienti, Fornitori, Testa_Car, Detta_Car, Articoli, ContrattoT, ContrattoD};
}

QList<TableComponent *> TDiz::closeOrder() const
{
    return {AziendaT, Detta, Testata, Clienti, Fornitori, Testa_Car, Detta_Car, Articoli, ContrattoD, ContrattoT};
}

void TDiz::openTables()
{
    for (TableComponent *table : openOrder())
        table->open();
}

void TDiz::closeTables()
{
    for (TableComponent *table : closeOrder())
        table->close();
}

// The defaults of every new invoice header, in this order; nothing else is
// written (inviata is left to the column's default).
void TDiz::TestataNewRecord(TableComponent &testata)
{
    static const std::pair<const char *, const char *> defaults[] = {
        {"tipo_doc", "TD01"},  {"tipo_pag", "TP02"},  {"mod_pag", "MP01"},
        {"esig_iva", "I"},     {"esig_iva2", "I"},    {"esig_iva3", "I"},
        {"causale", "Vendita"}, {"trasporto", "Vettore"}, {"porto", "Franco"},
        {"aspetto", "Cartoni, Imballi"}, {"colli", ""},
        {"spese", "0,00"},     {"spese2", "0,00"},    {"spese3", "0,00"},
        {"arrot", "0,00"},     {"arrot2", "0,00"},    {"arrot3", "0,00"},
    };
    for (const auto &[column, value] : defaults)
        testata.setText(QString::fromLatin1(column), QString::fromUtf8(value));
}
