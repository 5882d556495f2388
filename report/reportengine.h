#pragma once

#include "reportdata.h"
#include "reportlayout.h"
#include "reportpage.h"

#include <QList>

// Lays a banded layout out into pages. The page header opens every page at
// the top margin, detail rows follow one under the other, and the page
// footer closes every page at the bottom margin; a row that would run into
// the footer goes to a new page. A report without rows is one page with
// header and footer. A failing before-print handler (AppError) ends the
// report: the error reaches the caller and no pages are returned.
class ReportEngine
{
public:
    static QList<ReportPage> build(const ReportLayout &layout, const ReportSources &sources);
};
