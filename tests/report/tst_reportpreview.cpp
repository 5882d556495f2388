// The preview window: it shows the pages on the shared printer's settings
// and its "Salva PDF" writes the same pages to the file the user names.
#include "reportengine.h"
#include "reportpreview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QList<ReportPage> twoPages()
{
    ReportLayout layout;
    layout.pageHeader.height = 100;
    layout.pageFooter.height = 100;
    layout.detail.height = 35;
    layout.detail.elements = {ReportElements::text(QStringLiteral("riga"), 0, 0, 20, ReportAlign::Left, {})};
    // Two rows fill the 77 mm left on a page: four rows make two pages.
    class Rows : public ReportRows
    {
    public:
        void first() override { n = 0; }
        void next() override { ++n; }
        bool atEnd() const override { return n >= 4; }
        QString text(const QString &) const override { return {}; }
        int n = 0;
    } rows;
    ReportSources sources;
    sources.setDetail(QStringLiteral("rows"), &rows);
    return ReportEngine::build(layout, sources);
}

// Runs `step` on the modal window that opens next.
void onNextModal(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, qApp, [step] { step(QApplication::activeModalWidget()); });
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void previewUsesTheLayoutsPaper();
    void salvaPdfWritesThePages();
};

void TestReportPreview::previewUsesTheLayoutsPaper()
{
    QPrinter printer;
    printer.setCopyCount(3);
    const QList<ReportPage> pages = twoPages();
    QCOMPARE(pages.size(), 2);
    bool seen = false;
    onNextModal([&seen](QWidget *window) {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(window);
        seen = dialog && dialog->windowTitle() == QStringLiteral("Anteprima");
        if (window)
            window->close();
    });
    ReportPreview::exec(pages, ReportPageSetup{}, printer, QStringLiteral("Anteprima"));
    QVERIFY(seen);
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(printer.copyCount(), 3); // the user's last choice stays
}

void TestReportPreview::salvaPdfWritesThePages()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("copia"));
    QPrinter printer;
    bool found = false;
    onNextModal([&](QWidget *window) {
        QAction *save = window ? window->findChild<QAction *>(QStringLiteral("salvaPdf")) : nullptr;
        found = save && save->text() == QStringLiteral("Salva PDF");
        if (found) {
            onNextModal([&fileName](QWidget *fileWindow) {
                if (auto *files = qobject_cast<QFileDialog *>(fileWindow)) {
                    files->selectFile(fileName);
                    QMetaObject::invokeMethod(files, "accept");
                } else if (fileWindow) {
                    fileWindow->close();
                }
            });
            save->trigger();
        }
        if (window)
            window->close();
    });
    ReportPreview::exec(twoPages(), ReportPageSetup{}, printer, QStringLiteral("Anteprima"));
    QVERIFY(found);
    // The name gets its .pdf, and the file holds both pages.
    QFile pdf(fileName + QStringLiteral(".pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
