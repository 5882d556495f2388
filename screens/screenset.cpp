#include "screenset.h"

ScreenSet::ScreenSet(TDiz *diz)
    : anag_az(diz), elenco_fatt(diz), anag_cl(diz), anag_fo(diz), elenco_carico(diz), articoli(diz), st_fatt(diz)
{
    elenco_fatt.setCustomerRegistry(&anag_cl);
    elenco_fatt.setArticlesScreen(&articoli);
    elenco_fatt.setReport(&st_fatt);
    elenco_carico.setReport(&st_fatt);
    anag_cl.setInvoiceDesk(&elenco_fatt);
    articoli.setInvoiceDesk(&elenco_fatt);
}
