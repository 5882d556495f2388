#include "reportpreview.h"

#include "reportpainter.h"

#include "db/apperror.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

void savePdf(const QList<ReportPage> &pages, QWidget *parent)
{
    QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Salva PDF"), QString(),
                                                    QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fileName += QLatin1String(".pdf");
    try {
        ReportPainter::writePdf(pages, fileName);
    } catch (const AppError &error) {
        QMessageBox::critical(parent, QStringLiteral("Salva PDF"), error.message());
    }
}

} // namespace

void ReportPreview::preparePrinter(QPrinter &printer, const ReportPageSetup &setup)
{
    printer.setFullPage(true);
    const QSizeF paper(setup.pageWidth, setup.pageHeight);
    printer.setPageSize(QPageSize(paper, QPageSize::Millimeter));
    printer.setPageOrientation(setup.pageWidth > setup.pageHeight ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void ReportPreview::exec(const QList<ReportPage> &pages, const ReportPageSetup &setup, QPrinter &printer,
                         const QString &title, QWidget *parent)
{
    preparePrinter(printer, setup);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.resize(900, 1000); // a page readable at a glance
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&pages](QPrinter *target) {
        // Paper size may have been changed in the printer dialog; the pages
        // are drawn from the paper's corner whatever it is.
        target->setFullPage(true);
        QPainter painter(target);
        ReportPainter::paintPages(painter, *target, pages);
    });
    if (QToolBar *toolBar = dialog.findChild<QToolBar *>()) {
        toolBar->addSeparator();
        QAction *save = toolBar->addAction(QStringLiteral("Salva PDF"));
        save->setObjectName(QStringLiteral("salvaPdf"));
        QObject::connect(save, &QAction::triggered, &dialog, [&pages, &dialog] { savePdf(pages, &dialog); });
    }
    dialog.exec();
}
