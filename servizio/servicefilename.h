#pragma once

#include <QString>

// Names the service accepts from a web address: a file name alone, so that
// no request can reach outside the service's folders.
namespace ServiceFileName {

// A bare name: no folder separator, no "..", not hidden, no control
// characters, at most maxChars characters.
bool isBare(const QString &name, int maxChars = 255);

// A FatturaPA file name as the exchange system wants it: country code,
// sender's identifier, "_", a progressive of up to five characters and
// ".xml" or ".xml.p7m" ("IT01234567890_00001.xml").
bool isFatturaPa(const QString &name);

// A received file the loader can read: a bare name ending in ".xml" or
// ".xml.p7m" (letters in any case).
bool isReceivedFile(const QString &name);

} // namespace ServiceFileName
