#include "fattura/valueforms.h"

#include "fattura/escapexml.h"

namespace {

QString withAngleReferences(QString text)
{
    text.replace(u'<', QLatin1StringView("&#60;"));
    text.replace(u'>', QLatin1StringView("&#62;"));
    return text;
}

bool hasMarkup(const QString &text)
{
    for (QChar c : text) {
        if (c == u'&' || c == u'<' || c == u'>')
            return true;
    }
    return false;
}

} // namespace

namespace ValueForm {

QString markupSafe(const QString &text)
{
    if (!hasMarkup(text))
        return text;
    QString result = text;
    result.replace(u'&', QLatin1StringView("&#38;"));
    return withAngleReferences(std::move(result));
}

QString escaped(const QString &text)
{
    return withAngleReferences(EscapeXml(text));
}

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

bool fitsXml(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20) {
            if (c != u'\t' && c != u'\n' && c != u'\r')
                return false;
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode()))
                return false;
            ++i; // a complete pair is a character above U+FFFF, which XML allows
        } else if (QChar::isLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
            return false;
        }
    }
    return true;
}

} // namespace ValueForm
