#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

class QIODevice;

// Writes a FatturaPA file line by line: each line holds one start tag, one
// end tag or one whole element, without indentation, and ends with CR LF.
// The text is UTF-8 without a byte-order mark. Element texts are given as
// stored; the writer puts them into their written form.
class XmlLineWriter
{
public:
    explicit XmlLineWriter(QIODevice &device);

    void line(QLatin1StringView text); // declaration and root tags, verbatim
    void start(QLatin1StringView tag);
    void end(QLatin1StringView tag);
    // The text as stored (only "&", "<", ">" become references).
    void element(QLatin1StringView tag, const QString &text);
    // The text through EscapeXml (and "<", ">" as references).
    void escapedElement(QLatin1StringView tag, const QString &text);

    // Hands the buffered lines to the device; throws AppError on failure.
    void flush();

private:
    void writeElement(QLatin1StringView tag, const QString &writtenText);
    void endLine();

    QIODevice &m_device;
    QByteArray m_buffer;
};
