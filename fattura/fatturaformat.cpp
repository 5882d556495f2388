#include "fattura/fatturaformat.h"

namespace {

#define FATTURA_DSIG_NS "http://www.w3.org/2000/09/xmldsig#"
#define FATTURA_XSI_NS "http://www.w3.org/2001/XMLSchema-instance"
#define FATTURA_PA_NS "http://ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2"

constexpr FatturaFormat kPrivateRecipient{
    QLatin1StringView(R"(<?xml version="1.0" encoding="utf-8"?>)"),
    QLatin1StringView(R"(<p:FatturaElettronica xmlns:ds=")" FATTURA_DSIG_NS R"(" xmlns:xsi=")" FATTURA_XSI_NS
                      R"(" versione="FPR12" xmlns:p=")" FATTURA_PA_NS R"(">)"),
    QLatin1StringView("</p:FatturaElettronica>"),
    QLatin1StringView("FPR12"),
    false,
    true,
    true,
    false,
};

constexpr FatturaFormat kPublicAdministration{
    QLatin1StringView(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"),
    QLatin1StringView(R"(<ns3:FatturaElettronica versione="FPA12" xmlns:ns2=")" FATTURA_DSIG_NS
                      R"(" xmlns:ns3=")" FATTURA_PA_NS R"(">)"),
    QLatin1StringView("</ns3:FatturaElettronica>"),
    QLatin1StringView("FPA12"),
    true,
    false,
    false,
    true,
};

#undef FATTURA_DSIG_NS
#undef FATTURA_XSI_NS
#undef FATTURA_PA_NS

} // namespace

const FatturaFormat &FatturaFormat::privateRecipient()
{
    return kPrivateRecipient;
}

const FatturaFormat &FatturaFormat::publicAdministration()
{
    return kPublicAdministration;
}
