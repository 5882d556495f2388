#include "fattura/invoiceactions.h"

#include "tdiz.h"
#include "transaction.h"

void newInvoice(TDiz &diz)
{
    diz.Testata->append();
    diz.Testata->post();
}

bool isInvoiceSent(const TDiz &diz) { return diz.Testata->boolean(QStringLiteral("inviata")); }

void deleteInvoice(TDiz &diz)
{
    const int id = diz.Testata->integer(QStringLiteral("id_invio"));
    {
        Transaction transaction(diz.xml_conn);
        diz.Query->execSql(QStringLiteral("delete from dettaglio where id_invio=") + QString::number(id));
        diz.Testata->remove();
        transaction.commit();
    }
    diz.Detta->refresh();
}

void copyCustomerToInvoice(TDiz &diz)
{
    static const char *const copied[] = {"rag_soc", "indirizzo", "comune", "cap", "prov", "nazione", "p_iva",
                                         "cod_fis", "cod_dest", "pec", "dest_soc", "dest_indir", "dest_comune",
                                         "dest_cap"};
    TableComponent &testata = *diz.Testata;
    testata.edit();
    for (const char *column : copied) {
        const QString field = QString::fromLatin1(column);
        testata.setValue(field, diz.Clienti->value(field));
    }
    testata.post();
}
