#pragma once

#include "reportlayout.h"

#include <QFont>
#include <QString>

// Text measurement on a fixed 1200 dpi basis, so that "auto" widths and the
// choice of the printed line are the same whatever screen or printer the
// pages end up on. Needs a QGuiApplication (fonts).
namespace ReportText {

// The resolution texts are measured, and laid out when drawn, at.
inline constexpr int MeasureDpi = 1200;

// The font as drawn: hinting off, so widths scale linearly with resolution.
QFont qfont(const ReportFont &font);

double widthMm(const ReportFont &font, const QString &text);

// The first line of text word-wrapped to widthMm: as many whole words as
// fit; a first word wider than the box is cut at the last character that
// fits. A line break in the text ends the first line too.
QString firstLine(const ReportFont &font, const QString &text, double widthMm);

// The line a box of widthMm prints, and the horizontal scale it is drawn
// with. Box widths were taken from text measured on screen, where hinted
// glyphs run a few percent narrower than on paper: a line that overflows
// by no more than MaxCondense is kept whole and drawn condensed to the box
// ("Imponibile" stays "Imponibile"); anything longer is wrapped as above.
inline constexpr double MaxCondense = 0.05;
struct FittedLine
{
    QString text;
    double stretch = 1; // 1: natural width; below 1: condensed to the box
};
FittedLine fit(const ReportFont &font, const QString &text, double widthMm);

} // namespace ReportText
