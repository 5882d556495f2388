#pragma once

#include <QList>
#include <QString>

// One reason why the exchange system (SdI) would refuse a FatturaPA file:
// the SdI's error code, an Italian text, and where it is in the file. A
// warning is something the SdI accepts but the user should look at (such as
// a stamp duty that seems due); it does not make the file fail the check.
struct SdiProblem
{
    enum class Severity { Error, Warning };

    QString code; // "00200" (schema), "00422", "00001" (file name) ...
    QString text; // Italian, for the user
    QString path; // element path, such as /p:FatturaElettronica/FatturaElettronicaBody[1]/...; empty for the file
    int line = 0; // line in the file; 0 when not known
    Severity severity = Severity::Error;

    bool isWarning() const { return severity == Severity::Warning; }
    // "CODE: text (path)", the form of the dialog and the command line; a
    // warning reads "CODE (avviso): text (path)".
    QString toString() const;
};

using SdiProblems = QList<SdiProblem>;

// Whether any problem would make the SdI refuse the file (warnings aside).
bool hasErrors(const SdiProblems &problems);

// The problems one per line, each with its line in the file when known
// ("00422: ... (/p:FatturaElettronica/...), riga 80"): the text of the
// dialog that follows a write.
QString sdiProblemsText(const SdiProblems &problems);
