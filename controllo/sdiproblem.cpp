#include "controllo/sdiproblem.h"

QString SdiProblem::toString() const
{
    QString result = code + QStringLiteral(": ") + text;
    if (!path.isEmpty())
        result += QStringLiteral(" (") + path + QLatin1Char(')');
    return result;
}
