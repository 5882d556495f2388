#include "reportpainter.h"

#include "reporttext.h"

#include "db/apperror.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double MmPerInch = 25.4;
constexpr int PdfDpi = ReportText::MeasureDpi;

Qt::Alignment qtAlignment(ReportAlign align)
{
    switch (align) {
    case ReportAlign::Centre:
        return Qt::AlignHCenter;
    case ReportAlign::Right:
        return Qt::AlignRight;
    case ReportAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The painter works in units of the measuring resolution, scaled onto the
// device. Text is then laid out glyph by glyph exactly as it was measured,
// whatever the device's own resolution; on a 150 dpi image the raster
// engine's whole-pixel advances would otherwise push a text measured to fit
// its box past the box's edge.
class MmScale
{
public:
    static constexpr double UnitsPerMm = ReportText::MeasureDpi / MmPerInch;

    explicit MmScale(const QPaintDevice &device) : m_fontScale(double(ReportText::MeasureDpi) / device.logicalDpiY()) {}

    static void apply(QPainter &painter)
    {
        const QPaintDevice &device = *painter.device();
        painter.scale(device.logicalDpiX() / double(ReportText::MeasureDpi),
                      device.logicalDpiY() / double(ReportText::MeasureDpi));
    }
    QPointF point(const QPointF &mm) const { return mm * UnitsPerMm; }
    QRectF rect(const QRectF &mm) const { return {point(mm.topLeft()), point(mm.bottomRight())}; }
    double length(double mm) const { return mm * UnitsPerMm; }
    // The font whose points, taken at the device's resolution and scaled
    // with the painter, come out at the wanted size.
    QFont font(const ReportFont &font) const
    {
        QFont f = ReportText::qfont(font);
        f.setPointSizeF(font.pointSize * m_fontScale);
        return f;
    }

private:
    double m_fontScale;
};

QPen penFor(const MmScale &scale, int pen)
{
    QPen p(Qt::black);
    p.setWidthF(scale.length(reportPenWidthMm(pen)));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

} // namespace

namespace ReportPainter {

void paintPage(QPainter &painter, const ReportPage &page)
{
    const MmScale scale(*painter.device());
    painter.save();
    MmScale::apply(painter);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);

    for (const ReportBoxItem &box : page.boxes) {
        painter.setPen(penFor(scale, box.pen));
        painter.drawRect(scale.rect(box.rect));
    }
    for (const ReportLineItem &line : page.lines) {
        painter.setPen(penFor(scale, line.pen));
        painter.drawLine(scale.point(line.line.p1()), scale.point(line.line.p2()));
    }

    painter.setPen(Qt::black);
    for (const ReportTextItem &item : page.texts) {
        if (item.text.isEmpty())
            continue;
        const QRectF box = scale.rect(item.box);
        painter.setFont(scale.font(item.font));
        painter.setClipRect(box);
        const int flags = int(qtAlignment(item.align) | Qt::AlignTop | Qt::TextSingleLine);
        if (item.stretch < 1) {
            // Drawn at natural width into a box as much wider, then squeezed
            // back onto the real box.
            painter.save();
            painter.translate(box.left(), 0);
            painter.scale(item.stretch, 1);
            painter.drawText(QRectF(0, box.top(), box.width() / item.stretch, box.height()), flags, item.text);
            painter.restore();
        } else {
            painter.drawText(box, flags, item.text);
        }
        painter.setClipping(false);
    }
    painter.restore();
}

void paintPages(QPainter &painter, QPagedPaintDevice &device, const QList<ReportPage> &pages)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, pages[i]);
    }
}

void writePdf(const QList<ReportPage> &pages, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw AppError(QStringLiteral("Impossibile scrivere il file %1: %2").arg(fileName, file.errorString()));
    QPdfWriter writer(&file);
    writer.setResolution(PdfDpi);
    writer.setCreator(QStringLiteral("fatturazione"));
    const QSizeF size = pages.isEmpty() ? QSizeF(210, 297) : pages.first().size;
    writer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        throw AppError(QStringLiteral("Impossibile scrivere il file %1").arg(fileName));
    paintPages(painter, writer, pages);
    painter.end();
}

QImage renderImage(const ReportPage &page, int dpi)
{
    const QSize pixels(qRound(page.size.width() / MmPerInch * dpi), qRound(page.size.height() / MmPerInch * dpi));
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / MmPerInch * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page);
    return image;
}

} // namespace ReportPainter
