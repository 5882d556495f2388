#pragma once

#include "invoicecheck.h"
#include "serviceanswer.h"
#include "servicesettings.h"

#include <QString>

// Mails one issued invoice's FatturaPA file to the exchange system and
// marks the invoice sent. The invoice is claimed in one conditional
// statement before the mail leaves, so of two requests for the same
// invoice, even at the same moment, only one sends; a send that fails
// gives the claim back.
class InvoiceSender
{
public:
    InvoiceSender(const ServiceSettings &settings, InvoiceCheck check);

    // nome_file and n_invio as the desk put them in the address.
    ServiceAnswer send(const QString &fileName, const QString &invoiceId) const;

private:
    ServiceSettings m_settings;
    InvoiceCheck m_check;
};
