#pragma once

#include "controllo/sdiproblem.h"

#include <QByteArray>
#include <QString>

// The "Controllo SdI": what the national exchange system (SdI) would find
// wrong in a FatturaPA file (FPR12 or FPA12, plain XML), found offline:
// - 00001 the file name (IT, the transmitter's identifier, "_", five
//   letters or digits, ".xml"), 00003 a file above 5 MB;
// - 00200 the official schema 1.2.3 (and a file that is no XML at all);
// - the content rules with the SdI's own codes (RegoleSdi), and warnings
//   about what the SdI accepts but the law asks for (the stamp duty).
// A list without errors (hasErrors) means the file passes.
namespace ControlloSdi {

constexpr qint64 kMaxFileBytes = 5 * 1024 * 1024;

// Asked before a file with problems is handed to the transmission service.
inline QString sendAnywayQuestion()
{
    return QStringLiteral("La fattura non supera il Controllo SdI: inviare comunque?");
}

// Throws AppError when the file cannot be read.
SdiProblems checkFile(const QString &path);
// The file's bytes under its name (the name without folder is checked).
SdiProblems checkBytes(const QByteArray &bytes, const QString &fileName);

// The problems of the name alone (00001).
SdiProblems checkFileName(const QString &fileName);

} // namespace ControlloSdi
