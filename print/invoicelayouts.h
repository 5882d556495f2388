#pragma once

#include "reportlayout.h"

// The two paper layouts of the program, as element tables. Data fields name
// their sources as the data module does: "Testata", "AziendaT", "Detta" for
// the issued invoice, "Testa_Car", "AziendaT", "Detta_Car" for the purchase
// invoice. The bands' before-print handlers are attached by TSt_Fatt.
namespace InvoiceLayouts {

// The issued invoice (QR1): page header QRBand10, detail QRBand11, page
// footer QRBand12; computed labels QRLabel84, imponib, iva, rit_testo,
// ritenuta, netto_testo, netto.
ReportLayout issuedInvoice();

// The purchase invoice (QR2): page header QRBand1, detail QRBand2, page
// footer QRBand3; computed labels imp_lordo1, spese1, imponib1, iva1.
ReportLayout purchaseInvoice();

} // namespace InvoiceLayouts
