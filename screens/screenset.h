#pragma once

#include "tanag_az.h"
#include "tanag_cl.h"
#include "tanag_fo.h"
#include "tarticoli.h"
#include "telenco_carico.h"
#include "telenco_fatt.h"
#include "tst_fatt.h"

class TDiz;

// Every screen of the program, created once in the order of start-up
// (company, desk, customers, suppliers, purchase invoices, articles, then
// the report form) and wired to each other. They live as long as this
// object.
class ScreenSet
{
public:
    explicit ScreenSet(TDiz *diz);

    Tanag_az anag_az;
    TElenco_Fatt elenco_fatt;
    TAnag_Cl anag_cl;
    TAnag_Fo anag_fo;
    TElenco_Carico elenco_carico;
    TArticoli articoli;
    TSt_Fatt st_fatt;
};
