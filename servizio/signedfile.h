#pragma once

#include <QByteArray>

// A signed FatturaPA file (".xml.p7m"): a CMS SignedData envelope, in DER
// or in base64 text, with the invoice inside.
namespace SignedFile {

// The invoice carried by the envelope. The signature itself is not checked
// here: the exchange system checked it before delivering the file. Throws
// AppError when the bytes are not a signed envelope with content.
QByteArray content(const QByteArray &envelope);

} // namespace SignedFile
