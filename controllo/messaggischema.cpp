#include "controllo/messaggischema.h"

#include <QList>
#include <QRegularExpression>

namespace {

struct Rewording
{
    QRegularExpression pattern;
    QString italian; // %1, %2 ... are the pattern's captures
};

const QList<Rewording> &rewordings()
{
    auto rule = [](const char *pattern, const char *italian) {
        return Rewording{QRegularExpression(QString::fromUtf8(pattern)), QString::fromUtf8(italian)};
    };
    static const QList<Rewording> list = {
        rule(R"(^Element '([^']+)': This element is not expected\. Expected is( one of)? \( ?(.+?) ?\)\.$)",
             "elemento '%1' non previsto in questa posizione (atteso: %3)"),
        rule(R"(^Element '([^']+)': This element is not expected\.$)",
             "elemento '%1' non previsto in questa posizione"),
        rule(R"(^Element '([^']+)': Missing child element\(s\)\. Expected is( one of)? \( ?(.+?) ?\)\.$)",
             "nell'elemento '%1' manca un elemento obbligatorio (atteso: %3)"),
        rule(R"(^Element '([^']+)': \[facet 'enumeration'\] The value '([^']*)' is not an element of the set .*$)",
             "elemento '%1': il valore '%2' non è tra i codici ammessi"),
        rule(R"(^Element '([^']+)': \[facet 'pattern'\] The value '([^']*)' is not accepted by the pattern .*$)",
             "elemento '%1': il valore '%2' non ha il formato richiesto"),
        rule(
            R"(^Element '([^']+)': \[facet 'maxLength'\] The value '([^']*)' has a length of '\d+'; this exceeds the allowed maximum length of '(\d+)'\.$)",
            "elemento '%1': il valore '%2' supera la lunghezza massima di %3 caratteri"),
        rule(
            R"(^Element '([^']+)': \[facet 'minLength'\] The value '([^']*)' has a length of '\d+'; this underruns the allowed minimum length of '(\d+)'\.$)",
            "elemento '%1': il valore '%2' è più corto del minimo di %3 caratteri"),
        rule(
            R"(^Element '([^']+)': \[facet 'length'\] The value '([^']*)' has a length of '\d+'; this differs from the allowed length of '(\d+)'\.$)",
            "elemento '%1': il valore '%2' deve avere %3 caratteri"),
        rule(R"(^Element '([^']+)': '([^']*)' is not a valid value of the (local )?(atomic|union) type .*$)",
             "elemento '%1': il valore '%2' non è valido"),
        rule(R"(^Element '([^']+)': No matching global declaration available for the validation root\.$)",
             "l'elemento radice '%1' non è una fattura FatturaPA"),
        rule(R"(^Element '([^']+)', attribute '([^']+)': .*$)", "elemento '%1': valore non valido dell'attributo '%2'"),
        rule(R"(^Element '([^']+)': The attribute '([^']+)' is required but missing\.$)",
             "elemento '%1': manca l'attributo obbligatorio '%2'"),
    };
    return list;
}

} // namespace

namespace MessaggiSchema {

QString italian(const QString &message)
{
    for (const Rewording &rewording : rewordings()) {
        const QRegularExpressionMatch match = rewording.pattern.match(message);
        if (!match.hasMatch())
            continue;
        QString text = QStringLiteral("Non conforme allo schema FatturaPA: ") + rewording.italian;
        for (int i = match.lastCapturedIndex(); i >= 1; --i)
            text.replace(QLatin1Char('%') + QString::number(i), match.captured(i));
        return text;
    }
    return QStringLiteral("Non conforme allo schema FatturaPA: ") + message;
}

} // namespace MessaggiSchema
