#pragma once

#include <QString>

// Character references for the text values of the FatturaPA files that the
// program writes through it (names, addresses, towns, reason, descriptions):
// "&", "!", '"', "/", "-", "°", "@" and "+" become "&#NN;". Nothing else is
// touched; "<" and ">" pass unchanged.
QString EscapeXml(const QString &text);
