#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One code of the FatturaPA format with its Italian description, for the
// drop-downs and the legend.
struct FatturaCode
{
    QString code;
    QString description;

    // "N2.1 - Non soggette ad IVA ...", as the legend shows it.
    QString legendText() const { return code + QStringLiteral(" - ") + description; }
};

// The codes in force (FatturaPA schema 1.2.3, from April 2025), in the
// schema's order.
namespace FatturaCodes {

// N1, N2.1, N2.2, N3.1 to N3.6, N4, N5, N6.1 to N6.9, N7 (the generic N2, N3
// and N6 are no longer accepted by the SdI and are left out).
const QList<FatturaCode> &natureCodes();
// TD01 to TD06 and TD16 to TD29.
const QList<FatturaCode> &documentTypes();
// RF01, RF02 and RF04 to RF20.
const QList<FatturaCode> &taxRegimes();
// The withholding types RT01 to RT06 (TipoRitenuta).
const QList<FatturaCode> &withholdingTypes();
// The payment reasons of the withholding (CausalePagamento), the codes of
// the CU form as the schema lists them.
const QList<FatturaCode> &paymentReasons();

// The drop-down's own items followed by the codes not among them yet.
QStringList withCurrentCodes(const QStringList &items, const QList<FatturaCode> &codes);
// The code's description; empty for a code not in the list.
QString description(const QList<FatturaCode> &codes, const QString &code);

} // namespace FatturaCodes
