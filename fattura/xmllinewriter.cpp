#include "fattura/xmllinewriter.h"

#include "db/apperror.h"
#include "fattura/valueforms.h"

#include <QIODevice>

namespace {

constexpr qsizetype kFlushSize = 64 * 1024;

} // namespace

XmlLineWriter::XmlLineWriter(QIODevice &device)
    : m_device(device)
{
    m_buffer.reserve(kFlushSize + 1024);
}

void XmlLineWriter::line(QLatin1StringView text)
{
    m_buffer.append(text.data(), text.size());
    endLine();
}

void XmlLineWriter::start(QLatin1StringView tag)
{
    m_buffer.append('<').append(tag.data(), tag.size()).append('>');
    endLine();
}

void XmlLineWriter::end(QLatin1StringView tag)
{
    m_buffer.append("</", 2).append(tag.data(), tag.size()).append('>');
    endLine();
}

void XmlLineWriter::element(QLatin1StringView tag, const QString &text)
{
    writeElement(tag, ValueForm::markupSafe(text));
}

void XmlLineWriter::escapedElement(QLatin1StringView tag, const QString &text)
{
    writeElement(tag, ValueForm::escaped(text));
}

void XmlLineWriter::writeElement(QLatin1StringView tag, const QString &writtenText)
{
    // The values are checked before the file is opened; this only keeps a
    // value that escaped that check from making the file unreadable.
    if (!ValueForm::fitsXml(writtenText))
        throw AppError(QStringLiteral("Carattere non ammesso in XML nell'elemento '%1'").arg(tag));
    m_buffer.append('<').append(tag.data(), tag.size()).append('>');
    m_buffer.append(writtenText.toUtf8());
    m_buffer.append("</", 2).append(tag.data(), tag.size()).append('>');
    endLine();
}

void XmlLineWriter::endLine()
{
    m_buffer.append("\r\n", 2);
    if (m_buffer.size() >= kFlushSize)
        flush();
}

void XmlLineWriter::flush()
{
    if (m_buffer.isEmpty())
        return;
    if (m_device.write(m_buffer) != m_buffer.size())
        throw AppError(QStringLiteral("Errore di scrittura del file: %1").arg(m_device.errorString()));
    m_buffer.clear();
}
