#pragma once

#include <QString>
#include <QStringView>

// The forms in which the FatturaPA writers put a stored text into the file.
namespace ValueForm {

// The text as stored, with only "&", "<" and ">" turned into character
// references so that the file stays well-formed.
QString markupSafe(const QString &text);

// The text through EscapeXml, with "<" and ">" also turned into references.
QString escaped(const QString &text);

// The text without its leading and trailing characters of codes 0 to 32.
QString trimmed(const QString &text);

// Whether every character of the text may stand in an XML 1.0 document:
// no control characters other than tab, CR and LF, no U+FFFE or U+FFFF and
// no surrogate without its partner.
bool fitsXml(QStringView text);

} // namespace ValueForm
