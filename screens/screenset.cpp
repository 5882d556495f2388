#include "screenset.h"

ScreenSet::ScreenSet(TDiz *diz)
    : anag_az(diz), elenco_fatt(diz), anag_cl(diz), anag_fo(diz), st_fatt(diz)
{
    elenco_fatt.setCustomerRegistry(&anag_cl);
    elenco_fatt.setReport(&st_fatt);
    anag_cl.setInvoiceDesk(&elenco_fatt);
}
