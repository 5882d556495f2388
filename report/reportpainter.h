#pragma once

#include "reportpage.h"

#include <QImage>
#include <QList>
#include <QString>

class QPainter;
class QPagedPaintDevice;

// Draws laid-out pages. Millimetres are turned into device units by the
// device's own resolution, so the same pages go to a printer, a PDF file or
// an image; on paged devices the painter's origin must be the paper's corner
// (full page, no margins).
namespace ReportPainter {

void paintPage(QPainter &painter, const ReportPage &page);

// Every page, a new device page before each but the first.
void paintPages(QPainter &painter, QPagedPaintDevice &device, const QList<ReportPage> &pages);

// A4 PDF without margins, at 1200 dpi. Throws AppError when the file
// cannot be written.
void writePdf(const QList<ReportPage> &pages, const QString &fileName);

// One page on white, at dpi dots per inch.
QImage renderImage(const ReportPage &page, int dpi);

} // namespace ReportPainter
