#pragma once

#include <QList>
#include <QString>

#include <functional>

class ReportLabels;

// A banded layout, described as data: the page setup, three bands and the
// elements each band prints. Every measure is in millimetres; element
// coordinates are relative to the top-left corner of their band, and a band's
// left edge lies on the page's left margin.

enum class ReportAlign { Left, Centre, Right };

struct ReportFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    ReportFont sized(double points) const { ReportFont f = *this; f.pointSize = points; return f; }
    ReportFont withBold() const { ReportFont f = *this; f.bold = true; return f; }
    ReportFont withItalic() const { ReportFont f = *this; f.italic = true; return f; }
    ReportFont withUnderline() const { ReportFont f = *this; f.underline = true; return f; }
    bool operator==(const ReportFont &) const = default;
};

// A text box whose width is that of its text.
inline constexpr double ReportAutoWidth = -1;
inline constexpr double ReportTextHeight = 4.5;

struct ReportElement
{
    enum class Kind {
        Text,       // fixed text
        DataField,  // a column of a data source, printed as stored
        Computed,   // a label whose text the band's before-print handler sets
        PageNumber, // the number of the page being printed, from 1
        HLine,      // from (x, y) to (x + width, y)
        VLine,      // from (x, y) to (x, y + height)
        Box,        // rectangle x, y, width × height
    };

    Kind kind = Kind::Text;
    QString text;   // Text: the text; Computed: the label's name
    QString source; // DataField: the data source's name
    QString field;  // DataField: the column
    double x = 0;
    double y = 0;
    double width = ReportAutoWidth;
    double height = ReportTextHeight;
    ReportAlign align = ReportAlign::Left;
    ReportFont font;
    int pen = 1; // lines and boxes: 1 thin, 2 twice as wide

    bool isText() const { return kind == Kind::Text || kind == Kind::DataField || kind == Kind::Computed || kind == Kind::PageNumber; }
    ReportElement withHeight(double h) const { ReportElement e = *this; e.height = h; return e; }
};

// Short constructors, so that a layout reads as a table of elements.
namespace ReportElements {

ReportElement text(const QString &text, double x, double y, double width, ReportAlign align, const ReportFont &font);
ReportElement field(const QString &source, const QString &field, double x, double y, double width,
                    ReportAlign align, const ReportFont &font);
ReportElement computed(const QString &name, double x, double y, double width, ReportAlign align, const ReportFont &font);
ReportElement pageNumber(double x, double y, double width, ReportAlign align, const ReportFont &font);
ReportElement hline(double x1, double x2, double y, int pen = 1);
ReportElement vline(double x, double y1, double y2, int pen = 1);
ReportElement box(double x, double y, double width, double height, int pen = 1);

} // namespace ReportElements

// Runs just before a band is placed on the page; it sets the texts of the
// band's computed labels. Throwing (AppError) abandons the whole report.
using ReportBeforePrint = std::function<void(ReportLabels &labels)>;

struct ReportBand
{
    QString name;
    double height = 0;
    QList<ReportElement> elements;
    ReportBeforePrint beforePrint;
    // Pen 1 lines along the band's edges.
    bool leftEdge = false;
    bool rightEdge = false;
    bool topEdge = false;
    bool bottomEdge = false;
};

struct ReportPageSetup
{
    double pageWidth = 210;  // A4 portrait
    double pageHeight = 297;
    double leftMargin = 10;
    double topMargin = 10;
    double rightMargin = 10;
    double bottomMargin = 10;
    int columns = 1;         // the engine lays out one column only
    int copies = 1;
    bool frame = false;      // thin frame around the margin rectangle of every page

    double bandWidth() const { return pageWidth - leftMargin - rightMargin; }
};

struct ReportLayout
{
    QString name;
    ReportPageSetup page;
    ReportBand pageHeader;
    ReportBand detail;       // repeated once per row of the detail source
    ReportBand pageFooter;
};
