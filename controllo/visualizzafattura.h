#pragma once

#include <QByteArray>
#include <QString>

// The readable view of a FatturaPA file: the file transformed into HTML by
// the Agency's own stylesheet (the one for public administrations for an
// FPA12 file, the one for ordinary invoices otherwise), the way Italian
// accountants read an invoice. The stylesheets are built into the program;
// the transformation reads no other file and no network.
namespace VisualizzaFattura {

// The HTML text; throws AppError when the file cannot be read or is no XML.
QByteArray html(const QString &xmlPath);

// Writes the HTML to htmlPath, or, when it is empty, to a file named after
// the invoice file in the system's temporary folder; returns the path
// written. Throws AppError.
QString writeHtml(const QString &xmlPath, const QString &htmlPath = QString());

} // namespace VisualizzaFattura
