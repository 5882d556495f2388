#include "controllo/sdiproblem.h"

#include <QStringList>

QString SdiProblem::toString() const
{
    QString result = code + (isWarning() ? QStringLiteral(" (avviso): ") : QStringLiteral(": ")) + text;
    if (!path.isEmpty())
        result += QStringLiteral(" (") + path + QLatin1Char(')');
    return result;
}

QString sdiProblemsText(const SdiProblems &problems)
{
    QStringList lines;
    for (const SdiProblem &problem : problems)
        lines << (problem.line > 0 ? problem.toString() + QStringLiteral(", riga %1").arg(problem.line)
                                   : problem.toString());
    return lines.join(QLatin1Char('\n'));
}

bool hasErrors(const SdiProblems &problems)
{
    for (const SdiProblem &problem : problems) {
        if (!problem.isWarning())
            return true;
    }
    return false;
}
