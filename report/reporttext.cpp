#include "reporttext.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

using ReportText::MeasureDpi;
constexpr double MmPerInch = 25.4;
// Rounding slack, so that a text measured into an "auto" box fits it again.
constexpr double FitSlackMm = 1e-6;

const QImage &measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(MeasureDpi / MmPerInch * 1000.0);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QString fittingPrefix(const QFontMetricsF &metrics, const QString &word, double limit)
{
    int n = word.size();
    while (n > 0 && metrics.horizontalAdvance(word.left(n)) > limit)
        --n;
    return word.left(n);
}

} // namespace

namespace ReportText {

QFont qfont(const ReportFont &font)
{
    QFont f(font.family);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double widthMm(const ReportFont &font, const QString &text)
{
    const QFontMetricsF metrics(qfont(font), &measureDevice());
    return metrics.horizontalAdvance(text) * MmPerInch / MeasureDpi;
}

QString firstLine(const ReportFont &font, const QString &text, double widthMm)
{
    QString line = text.section(QLatin1Char('\n'), 0, 0);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    const QFontMetricsF metrics(qfont(font), &measureDevice());
    const double limit = widthMm * MeasureDpi / MmPerInch + FitSlackMm * MeasureDpi / MmPerInch;
    if (metrics.horizontalAdvance(line) <= limit)
        return line;

    const QStringList words = line.split(QLatin1Char(' '));
    QString fitted;
    for (const QString &word : words) {
        const QString candidate = fitted.isEmpty() ? word : fitted + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) > limit)
            break;
        fitted = candidate;
    }
    if (fitted.trimmed().isEmpty())
        return fittingPrefix(metrics, line.trimmed().section(QLatin1Char(' '), 0, 0), limit);
    return fitted;
}

FittedLine fit(const ReportFont &font, const QString &text, double widthMm)
{
    QString line = text.section(QLatin1Char('\n'), 0, 0);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    const double natural = ReportText::widthMm(font, line);
    if (natural > widthMm && natural <= widthMm * (1 + MaxCondense))
        return {line, widthMm / natural};
    return {firstLine(font, line, widthMm), 1};
}

} // namespace ReportText
