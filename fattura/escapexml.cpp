#include "fattura/escapexml.h"

QString EscapeXml(const QString &text)
{
    // The ampersand goes first, so the references added by the later steps
    // keep their own ampersands.
    static const struct
    {
        QChar character;
        QLatin1StringView reference;
    } replacements[] = {
        {u'&', QLatin1StringView("&#38;")},  {u'!', QLatin1StringView("&#33;")},
        {u'"', QLatin1StringView("&#34;")},  {u'/', QLatin1StringView("&#47;")},
        {u'-', QLatin1StringView("&#45;")},  {QChar(0x00B0), QLatin1StringView("&#176;")},
        {u'@', QLatin1StringView("&#64;")},  {u'+', QLatin1StringView("&#43;")},
    };
    QString result = text;
    for (const auto &r : replacements)
        result.replace(r.character, r.reference);
    return result;
}
