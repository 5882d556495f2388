#include "managementcolumns.h"

namespace {
QStringList split(const char *names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

QStringList managementHeaderColumns()
{
    return split("protocollo anno cl_fo reg_doc tipo_doc num_doc data movimento codice_soc rag_soc indirizzo cap "
                 "citta dest_soc dest_indirizzo dest_cap dest_citta partiva cod_fis cod_pag desc_pag cod_sped "
                 "spedizione cod_cons consegna esente esenzione1 esenzione2 colli aspetto causale data_tr sc_cassa "
                 "imponibile1 val_sconto1 imponibile2 val_sconto2 imponibile3 val_sconto3 iva1 iva2 iva3 abbuono "
                 "spese_inc spese_tr bolli aliq_spese imponibile4 iva4 val_sconto4 val_provv note1 note2 rif_doc "
                 "ora_trasp pagato cod_age in_contab prot_contab prot_f_diff rettifica selezione rate ora utente "
                 "acconto imponibile5 iva5 val_sconto5 aliquota5 aliquota1 aliquota2 aliquota3 aliquota4 prov "
                 "cod_destinatario pec");
}

QStringList managementHeaderCalcColumns()
{
    return split("Imp_Merce Iva_Merce sconto Imp_Totale Iva_Totale totale");
}

QStringList managementLineColumns()
{
    return split("prot_testa protocollo codice_art descrizione colli quantita pr_lordo sc_1 sc_2 sc_3 um aliquota "
                 "data_doc omaggio cod_art provvigione costo testo iva2 qt_fatt cod_fo categoria origine lotto "
                 "scadenza qt_testo pr_testo art_omaggio");
}

QStringList managementLineCalcColumns()
{
    return split("Netto Imp_Netto pr_ivato imp_ivato");
}
