#pragma once

#include "reportlayout.h"
#include "reportpage.h"

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

// The preview window of laid-out pages: the user zooms, moves between
// pages, prints on the given printer (whose settings the caller keeps for
// the whole run) and saves the same pages as PDF ("Salva PDF"). Returns when
// the window is closed. Needs a QApplication.
class ReportPreview
{
public:
    static void exec(const QList<ReportPage> &pages, const ReportPageSetup &setup, QPrinter &printer,
                     const QString &title, QWidget *parent = nullptr);

    // What the preview asks of the printer before showing: full-page paper of
    // the layout's size and orientation. Everything else (printer, copies)
    // stays as the user last chose it.
    static void preparePrinter(QPrinter &printer, const ReportPageSetup &setup);
};
