#include "reportlayout.h"

namespace ReportElements {

ReportElement text(const QString &text, double x, double y, double width, ReportAlign align, const ReportFont &font)
{
    ReportElement e;
    e.kind = ReportElement::Kind::Text;
    e.text = text;
    e.x = x;
    e.y = y;
    e.width = width;
    e.align = align;
    e.font = font;
    return e;
}

ReportElement field(const QString &source, const QString &field, double x, double y, double width,
                    ReportAlign align, const ReportFont &font)
{
    ReportElement e = text(QString(), x, y, width, align, font);
    e.kind = ReportElement::Kind::DataField;
    e.source = source;
    e.field = field;
    return e;
}

ReportElement computed(const QString &name, double x, double y, double width, ReportAlign align, const ReportFont &font)
{
    ReportElement e = text(name, x, y, width, align, font);
    e.kind = ReportElement::Kind::Computed;
    return e;
}

ReportElement pageNumber(double x, double y, double width, ReportAlign align, const ReportFont &font)
{
    ReportElement e = text(QString(), x, y, width, align, font);
    e.kind = ReportElement::Kind::PageNumber;
    return e;
}

ReportElement hline(double x1, double x2, double y, int pen)
{
    ReportElement e;
    e.kind = ReportElement::Kind::HLine;
    e.x = x1;
    e.y = y;
    e.width = x2 - x1;
    e.height = 0;
    e.pen = pen;
    return e;
}

ReportElement vline(double x, double y1, double y2, int pen)
{
    ReportElement e;
    e.kind = ReportElement::Kind::VLine;
    e.x = x;
    e.y = y1;
    e.width = 0;
    e.height = y2 - y1;
    e.pen = pen;
    return e;
}

ReportElement box(double x, double y, double width, double height, int pen)
{
    ReportElement e;
    e.kind = ReportElement::Kind::Box;
    e.x = x;
    e.y = y;
    e.width = width;
    e.height = height;
    e.pen = pen;
    return e;
}

} // namespace ReportElements
