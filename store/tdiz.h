#pragma once

#include "connection.h"
#include "datasource.h"
#include "sourcetable.h"
#include "tablecomponent.h"

#include <QObject>

// The data module: the connection to the invoice store, one table
// component and data source per table, and the spare Query. Every screen
// and procedure works on these components, so their current rows are the
// program's shared state.
class TDiz : public QObject
{
    Q_OBJECT
public:
    explicit TDiz(QObject *parent = nullptr);
    ~TDiz() override;

    Connection xml_conn;

    TableComponent *AziendaT;
    TableComponent *Testata;
    TableComponent *Detta;
    TableComponent *Clienti;
    TableComponent *Fornitori;
    TableComponent *Testa_Car;
    TableComponent *Detta_Car;
    TableComponent *Articoli;
    TableComponent *ContrattoT;
    TableComponent *ContrattoD;
    TableComponent *Query;

    DataSource *AziendaS;
    DataSource *TestataS;
    DataSource *DettaS;
    DataSource *ClientiS;
    DataSource *FornitoriS;
    DataSource *Testa_CarS;
    DataSource *Detta_CarS;
    DataSource *ArticoliS;
    DataSource *ContrattoS;
    DataSource *ContrattoDS;
    DataSource *QueryS;

    // The management program's database, read by the import only. Its
    // connection has fixed settings and opens the first time one of its
    // tables opens.
    Connection Dati;
    SourceTable *Test_Fatt; // document headers
    SourceTable *Dett_Fatt; // their lines, detail of Test_FattS or BolleS
    SourceTable *BolleT;    // delivery notes: every column by name
    DataSource *Test_FattS;
    DataSource *BolleS;
    DataSource *Dett_FattS;

    // The desk title, third line of ip.ini: the invoice desk's caption, read
    // back by the XML writers and the import.
    QString deskTitle;
    // Root of the transmission service's web server (fourth line of ip.ini;
    // empty: "http://localhost").
    QString webRoot;

    // The ten tables of the store in the order "Accedi" opens them, and in
    // the order the main menu closes them.
    QList<TableComponent *> openOrder() const;
    QList<TableComponent *> closeOrder() const;
    void openTables();  // throws AppError; stops at the first failure
    void closeTables();

    static void TestataNewRecord(TableComponent &testata);
    // The calculated columns of a management header and of a line.
    static void Test_FattCalcFields(SourceTable &header);
    static void Dett_FattCalcFields(SourceTable &line);

    // The fixed settings of xml_conn (server and database come from ip.ini).
    static Connection::Settings defaultSettings();
    // The fixed settings of Dati: the local server, default port.
    static Connection::Settings managementSettings();
};
