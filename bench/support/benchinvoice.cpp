#include "benchinvoice.h"

#include "testdatabase.h"

#include <QStringList>

#include <algorithm>

namespace {
constexpr int kInvoice = kBenchInvoice;
} // namespace

void fillStore(TestDatabase &db, const QString &folder, int lines)
{
    db.execute(QStringLiteral("DELETE FROM azienda"));
    db.execute(QStringLiteral("DELETE FROM testata"));
    db.execute(QStringLiteral("DELETE FROM dettaglio"));
    db.execute(
        QStringLiteral(
            "INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione, uff_rea, "
            "num_rea, capit_soc, soc_uni, stato_liq, mail, telefono, path, iban) VALUES ('Rossi & Figli S.r.l.', "
            "'01234567897', '01234567897', 'Via Roma 10/A', '20100', 'Milano', 'MI', 'IT', 'MI', '123456', "
            "'10000,00', 'SU', 'LN', 'info@rossi.it', '0212345678', '%1/', 'IT60X0542811101000000123456')")
            .arg(folder));
    db.execute(
        QStringLiteral(
            "INSERT INTO testata (id_invio, rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, "
            "cod_dest, pec, data_doc, num_doc, tot_doc, tipo_doc, mod_pag, n_rate, scad1, sc_tipo, sc_perc, "
            "dest_soc, dest_indir, dest_comune, aliquota, imponibile, imposta, natura, esig_iva, spese, arrot, "
            "spese2, arrot2, spese3, arrot3, imponibile2, imponibile3, imponibile4) VALUES (%1, 'Bianchi s.n.c.', "
            "'Corso Italia 5', 'Torino', '10121', 'TO', 'IT', '09876543217', '09876543217', 'ABC1234', '', "
            "'05/03/2024', '15', '%2', 'TD01', 'MP05', 1, '05/04/2024', '', '', '', '', '', '22', '%3', '%4', "
            "'', 'I', '0,00', '0,00', '0,00', '0,00', '0,00', '0,00', '', '', '')")
            .arg(kInvoice)
            .arg(QString::number(lines * 122) + QStringLiteral(",00"))
            .arg(QString::number(lines * 100) + QStringLiteral(",00"))
            .arg(QString::number(lines * 22) + QStringLiteral(",00")));
    const int batch = 500;
    for (int start = 0; start < lines; start += batch) {
        QStringList values;
        for (int i = start; i < std::min(lines, start + batch); ++i)
            values << QStringLiteral("(%1, %2, 'EAN', '800%2', 'Articolo %2 - confezione', '2,00', 'pz', '50,00', '', "
                                     "'', '', '100,00', '22', '', '', '', '', '', '', '')")
                          .arg(kInvoice)
                          .arg(i + 1);
        db.execute(QStringLiteral("INSERT INTO dettaglio (id_invio, prog, codice_tipo, codice_val, descrizione, "
                                  "quantita, um, prezzo_unit, sc_tipo, sc_perc, sc_importo, prezzo_tot, aliquota, "
                                  "tipo_cessione, ritenuta, natura, rif_amm, categoria, lotto, origine) VALUES ") +
                   values.join(QLatin1Char(',')));
    }
}
