#pragma once

#include "reportlayout.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A laid-out page: what is drawn where, in millimetres from the top-left
// corner of the paper. The preview, the printer and the PDF writer all draw
// these same pages.

struct ReportTextItem
{
    QString element; // "Source.field", the computed label's name, the fixed text, or "PageNumber"
    QRectF box;      // the text is clipped to it
    ReportFont font;
    ReportAlign align = ReportAlign::Left;
    QString text;    // the line actually printed
    double stretch = 1; // horizontal scale of the text, below 1 when condensed to fit the box
};

struct ReportLineItem
{
    QLineF line;
    int pen = 1;
};

struct ReportBoxItem
{
    QRectF rect;
    int pen = 1;
};

// Width of a pen on paper.
inline double reportPenWidthMm(int pen)
{
    return 0.25 * pen;
}

struct ReportPage
{
    int number = 1;
    QSizeF size{210, 297};
    QList<ReportTextItem> texts;
    QList<ReportLineItem> lines;
    QList<ReportBoxItem> boxes;

    // The items printed by one element, top to bottom as placed.
    QList<ReportTextItem> textsOf(const QString &element) const
    {
        QList<ReportTextItem> found;
        for (const ReportTextItem &item : texts)
            if (item.element == element)
                found.append(item);
        return found;
    }
};
