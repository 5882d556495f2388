#pragma once

#include <QLatin1StringView>

// What tells the two FatturaPA files apart: the private-recipient "FPR12"
// file and the public-administration "FPA12" file share everything else.
struct FatturaFormat
{
    QLatin1StringView declaration;
    QLatin1StringView rootStartTag;
    QLatin1StringView rootEndTag;
    QLatin1StringView transmissionFormat;
    // CodiceDestinatario also when the invoice has none (an empty element).
    bool recipientCodeAlways;
    // The customer's IdFiscaleIVA from the invoice's p_iva.
    bool customerVatId;
    // Causale from the delivery destination of the invoice.
    bool reasonText;
    // Split payment: every summary without nature code is chargeable "S",
    // and one bank transfer of the taxable amounts is always written
    // instead of the invoice's own payment terms.
    bool splitPayment;

    static const FatturaFormat &privateRecipient();
    static const FatturaFormat &publicAdministration();
};
