#pragma once

class TDiz;

// Actions on the current invoice of the data module, as the desk and the
// customer registry run them. Failures throw AppError.

// Appends a header (with the new-invoice defaults) and posts it at once, so
// the store gives it its id_invio; it becomes the current invoice.
void newInvoice(TDiz &diz);

// Whether the current invoice has been handed to the exchange system.
bool isInvoiceSent(const TDiz &diz);

// Deletes the current invoice's lines and then its header in one
// transaction: a failure leaves the invoice whole. Its order and contract
// references stay. The caller checks the sent flag and asks first.
void deleteInvoice(TDiz &diz);

// Copies the current customer into the current invoice header (name,
// address, tax codes, recipient code, PEC and destination) and posts it.
// With no invoice in the store this creates one with the defaults.
void copyCustomerToInvoice(TDiz &diz);
