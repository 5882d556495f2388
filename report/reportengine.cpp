#include "reportengine.h"

#include "reporttext.h"

#include "db/apperror.h"

namespace {

// Band heights and positions are given to a tenth of a millimetre; sums of
// them must not lose a row to floating-point noise.
constexpr double FitTolerance = 1e-6;

class PageComposer
{
public:
    PageComposer(const ReportLayout &layout, const ReportSources &sources)
        : m_layout(layout), m_sources(sources)
    {
        if (layout.page.columns != 1)
            throw AppError(QStringLiteral("Layout %1: only one column is supported").arg(layout.name));
    }

    QList<ReportPage> compose()
    {
        startPage();
        if (ReportRows *rows = m_sources.detail()) {
            const ReportBand &detail = m_layout.detail;
            for (rows->first(); !rows->atEnd(); rows->next()) {
                if (m_y + detail.height > footerTop() + FitTolerance) {
                    endPage();
                    startPage();
                }
                placeBand(detail, m_y);
                m_y += detail.height;
            }
        }
        endPage();
        return m_pages;
    }

private:
    const ReportPageSetup &setup() const { return m_layout.page; }
    double footerTop() const { return setup().pageHeight - setup().bottomMargin - m_layout.pageFooter.height; }
    ReportPage &page() { return m_pages.last(); }

    void startPage()
    {
        ReportPage page;
        page.number = int(m_pages.size()) + 1;
        page.size = QSizeF(setup().pageWidth, setup().pageHeight);
        m_pages.append(page);
        if (setup().frame) {
            const QRectF margins(setup().leftMargin, setup().topMargin, setup().bandWidth(),
                                 setup().pageHeight - setup().topMargin - setup().bottomMargin);
            this->page().boxes.append({margins, 1});
        }
        placeBand(m_layout.pageHeader, setup().topMargin);
        m_y = setup().topMargin + m_layout.pageHeader.height;
    }

    void endPage() { placeBand(m_layout.pageFooter, footerTop()); }

    void placeBand(const ReportBand &band, double top)
    {
        if (band.beforePrint)
            band.beforePrint(m_labels);
        const double left = setup().leftMargin;
        const double right = left + setup().bandWidth();
        const double bottom = top + band.height;
        if (band.leftEdge)
            page().lines.append({QLineF(left, top, left, bottom), 1});
        if (band.rightEdge)
            page().lines.append({QLineF(right, top, right, bottom), 1});
        if (band.topEdge)
            page().lines.append({QLineF(left, top, right, top), 1});
        if (band.bottomEdge)
            page().lines.append({QLineF(left, bottom, right, bottom), 1});
        for (const ReportElement &element : band.elements)
            placeElement(element, left, top);
    }

    void placeElement(const ReportElement &e, double left, double top)
    {
        const double x = left + e.x;
        const double y = top + e.y;
        switch (e.kind) {
        case ReportElement::Kind::HLine:
            page().lines.append({QLineF(x, y, x + e.width, y), e.pen});
            return;
        case ReportElement::Kind::VLine:
            page().lines.append({QLineF(x, y, x, y + e.height), e.pen});
            return;
        case ReportElement::Kind::Box:
            page().boxes.append({QRectF(x, y, e.width, e.height), e.pen});
            return;
        default:
            break;
        }

        ReportTextItem item;
        item.element = elementName(e);
        item.font = e.font;
        item.align = e.align;
        const QString full = textOf(e);
        if (e.width == ReportAutoWidth) {
            item.text = ReportText::firstLine(e.font, full, ReportText::widthMm(e.font, full));
            item.box = QRectF(x, y, ReportText::widthMm(e.font, item.text), e.height);
        } else {
            const ReportText::FittedLine line = ReportText::fit(e.font, full, e.width);
            item.text = line.text;
            item.stretch = line.stretch;
            item.box = QRectF(x, y, e.width, e.height);
        }
        page().texts.append(item);
    }

    static QString elementName(const ReportElement &e)
    {
        switch (e.kind) {
        case ReportElement::Kind::DataField:
            return e.source + QLatin1Char('.') + e.field;
        case ReportElement::Kind::PageNumber:
            return QStringLiteral("PageNumber");
        default:
            return e.text;
        }
    }

    QString textOf(const ReportElement &e)
    {
        switch (e.kind) {
        case ReportElement::Kind::DataField: {
            const ReportRecord *record = m_sources.record(e.source);
            if (!record)
                throw AppError(QStringLiteral("Layout %1: no data source %2").arg(m_layout.name, e.source));
            return record->text(e.field);
        }
        case ReportElement::Kind::Computed:
            return m_labels.text(e.text);
        case ReportElement::Kind::PageNumber:
            return QString::number(page().number);
        default:
            return e.text;
        }
    }

    const ReportLayout &m_layout;
    const ReportSources &m_sources;
    ReportLabels m_labels;
    QList<ReportPage> m_pages;
    double m_y = 0;
};

} // namespace

QList<ReportPage> ReportEngine::build(const ReportLayout &layout, const ReportSources &sources)
{
    return PageComposer(layout, sources).compose();
}
