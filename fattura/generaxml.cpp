#include "fattura/generaxml.h"

#include "fattura/fatturaformat.h"
#include "fattura/fatturawriter.h"

QString GeneraXmlPrivati(TDiz &diz)
{
    return FatturaWriter(diz, FatturaFormat::privateRecipient()).write();
}

QString GeneraXmlPA(TDiz &diz)
{
    return FatturaWriter(diz, FatturaFormat::publicAdministration()).write();
}
