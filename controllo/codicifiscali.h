#pragma once

#include <QStringView>

// Offline checks of Italian tax identifiers: the form and the check
// character. They cannot tell whether the number was ever assigned.
namespace CodiciFiscali {

// Partita IVA: eleven digits, the last one the Luhn-style check digit.
bool isValidVatNumber(QStringView text);
// Codice fiscale of a person (16 characters, letters for digits allowed
// where the Agency assigns them against homonyms) or of a company
// (11 digits, checked as a VAT number).
bool isValidFiscalCode(QStringView text);

} // namespace CodiciFiscali
