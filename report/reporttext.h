#pragma once

#include "reportlayout.h"

#include <QFont>
#include <QString>

// Text measurement on a fixed 1200 dpi basis, so that "auto" widths and the
// choice of the printed line are the same whatever screen or printer the
// pages end up on. Needs a QGuiApplication (fonts).
namespace ReportText {

// The font as drawn: hinting off, so widths scale linearly with resolution.
QFont qfont(const ReportFont &font);

double widthMm(const ReportFont &font, const QString &text);

// The first line of text word-wrapped to widthMm: as many whole words as
// fit; a first word wider than the box is cut at the last character that
// fits. A line break in the text ends the first line too.
QString firstLine(const ReportFont &font, const QString &text, double widthMm);

} // namespace ReportText
