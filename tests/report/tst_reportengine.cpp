#include "memoryrows.h"
#include "reportengine.h"
#include "reporttext.h"

#include "db/apperror.h"

#include <QTest>

using namespace ReportElements;

namespace {

const ReportFont Arial8;

// The proportions of the printed invoice: header 74.9, row 5.6, footer 38.9
// on A4 with 10 mm margins leave room for 29 rows.
ReportLayout invoiceLikeLayout()
{
    ReportLayout layout;
    layout.name = QStringLiteral("test");
    layout.pageHeader.height = 74.9;
    layout.pageHeader.elements = {text(QStringLiteral("HEADER"), 2, 3, ReportAutoWidth, ReportAlign::Left, Arial8),
                                  pageNumber(180, 2, 5, ReportAlign::Right, Arial8)};
    layout.detail.height = 5.6;
    layout.detail.elements = {field(QStringLiteral("Rows"), QStringLiteral("n"), 1, 0, 20, ReportAlign::Left, Arial8)};
    layout.pageFooter.height = 38.9;
    layout.pageFooter.elements = {text(QStringLiteral("FOOTER"), 2, 1, ReportAutoWidth, ReportAlign::Left, Arial8)};
    return layout;
}

QList<ReportPage> build(const ReportLayout &layout, ReportRows &rows)
{
    ReportSources sources;
    sources.setDetail(QStringLiteral("Rows"), &rows);
    return ReportEngine::build(layout, sources);
}

// A single text element laid out on its own page.
ReportTextItem layOne(const ReportElement &element, const QString &value = QString())
{
    ReportLayout layout;
    layout.pageHeader.height = 20;
    layout.pageHeader.elements = {element};
    MemoryRecord record({{QStringLiteral("f"), value}});
    ReportSources sources;
    sources.addRecord(QStringLiteral("R"), &record);
    const QList<ReportPage> pages = ReportEngine::build(layout, sources);
    return pages.first().texts.first();
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void pagination_data();
    void pagination();
    void headerAndFooterOnEveryPage();
    void frameOnEveryPage();
    void dataFieldPrintsStoredText();
    void autoWidthFollowsText();
    void longTextKeepsFirstLine_data();
    void longTextKeepsFirstLine();
    void slightOverflowIsCondensed_data();
    void slightOverflowIsCondensed();
    void handlerSetsLabelsBeforeEachBand();
    void handlerFailureEndsReport();
    void unknownSourceIsAnError();
};

void TestReportEngine::pagination_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("rowsPerPage");
    QTest::newRow("no rows") << 0 << QList<int>{0};
    QTest::newRow("one row") << 1 << QList<int>{1};
    QTest::newRow("page exactly full") << 29 << QList<int>{29};
    QTest::newRow("one row more") << 30 << QList<int>{29, 1};
    QTest::newRow("two pages full") << 58 << QList<int>{29, 29};
    QTest::newRow("third page") << 59 << QList<int>{29, 29, 1};
}

void TestReportEngine::pagination()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, rowsPerPage);
    MemoryRows data = MemoryRows::numbered(rows);
    const QList<ReportPage> pages = build(invoiceLikeLayout(), data);

    QCOMPARE(pages.size(), rowsPerPage.size());
    int expected = 1;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QList<ReportTextItem> printed = pages[p].textsOf(QStringLiteral("Rows.n"));
        QCOMPARE(printed.size(), rowsPerPage[p]);
        for (qsizetype r = 0; r < printed.size(); ++r) {
            QCOMPARE(printed[r].text, QString::number(expected++));
            // Rows follow the header one under the other.
            QCOMPARE(printed[r].box.top(), 10 + 74.9 + 5.6 * r);
            QVERIFY(printed[r].box.top() + 5.6 <= 297 - 10 - 38.9 + 1e-9);
        }
    }
}

void TestReportEngine::headerAndFooterOnEveryPage()
{
    MemoryRows data = MemoryRows::numbered(30);
    const QList<ReportPage> pages = build(invoiceLikeLayout(), data);
    QCOMPARE(pages.size(), 2);
    for (const ReportPage &page : pages) {
        const QList<ReportTextItem> header = page.textsOf(QStringLiteral("HEADER"));
        QCOMPARE(header.size(), 1);
        QCOMPARE(header[0].box.topLeft(), QPointF(12, 13));
        const QList<ReportTextItem> number = page.textsOf(QStringLiteral("PageNumber"));
        QCOMPARE(number.size(), 1);
        QCOMPARE(number[0].text, QString::number(page.number));
        // The footer sits on the bottom margin, however few rows the page has.
        const QList<ReportTextItem> footer = page.textsOf(QStringLiteral("FOOTER"));
        QCOMPARE(footer.size(), 1);
        QCOMPARE(footer[0].box.topLeft(), QPointF(12, 297 - 10 - 38.9 + 1));
    }
    QCOMPARE(pages[1].textsOf(QStringLiteral("PageNumber"))[0].text, QStringLiteral("2"));
}

void TestReportEngine::frameOnEveryPage()
{
    ReportLayout layout = invoiceLikeLayout();
    layout.page.frame = true;
    MemoryRows data = MemoryRows::numbered(40);
    const QList<ReportPage> pages = build(layout, data);
    QCOMPARE(pages.size(), 2);
    for (const ReportPage &page : pages) {
        QCOMPARE(page.boxes.size(), 1);
        QCOMPARE(page.boxes[0].rect, QRectF(10, 10, 190, 277));
    }
    layout.page.frame = false;
    QVERIFY(build(layout, data).first().boxes.isEmpty());
}

void TestReportEngine::dataFieldPrintsStoredText()
{
    const ReportTextItem item = layOne(field(QStringLiteral("R"), QStringLiteral("f"), 4, 5, 30, ReportAlign::Right, Arial8),
                                       QStringLiteral("1.234,50"));
    QCOMPARE(item.element, QStringLiteral("R.f"));
    QCOMPARE(item.text, QStringLiteral("1.234,50"));
    QCOMPARE(item.box, QRectF(14, 15, 30, ReportTextHeight));
    QCOMPARE(item.align, ReportAlign::Right);
}

void TestReportEngine::autoWidthFollowsText()
{
    const ReportFont font = Arial8.sized(10).withBold();
    const ReportTextItem wide = layOne(field(QStringLiteral("R"), QStringLiteral("f"), 0, 0, ReportAutoWidth, ReportAlign::Left, font),
                                       QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
    const ReportTextItem narrow = layOne(field(QStringLiteral("R"), QStringLiteral("f"), 0, 0, ReportAutoWidth, ReportAlign::Left, font),
                                         QStringLiteral("iiii"));
    QCOMPARE(wide.box.width(), ReportText::widthMm(font, wide.text));
    QCOMPARE(narrow.box.width(), ReportText::widthMm(font, QStringLiteral("iiii")));
    QVERIFY(wide.box.width() > 100); // an auto box is not held to any width
    QVERIFY(narrow.box.width() < 5);
    QCOMPARE(wide.text.size(), 40);
}

void TestReportEngine::longTextKeepsFirstLine_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("fits");    // the text the box is made to hold
    QTest::addColumn<QString>("printed");
    QTest::newRow("fits") << "alpha beta" << "alpha beta" << "alpha beta";
    QTest::newRow("wraps at a word") << "alpha beta gamma" << "alpha beta" << "alpha beta";
    QTest::newRow("long first word cut") << "supercalifragilistic expialidocious" << "supercal" << "supercal";
    QTest::newRow("line break") << "alpha\nbeta" << "alpha beta gamma" << "alpha";
}

void TestReportEngine::longTextKeepsFirstLine()
{
    QFETCH(QString, value);
    QFETCH(QString, fits);
    QFETCH(QString, printed);
    const double width = ReportText::widthMm(Arial8, fits) + 0.05;
    const ReportTextItem item = layOne(field(QStringLiteral("R"), QStringLiteral("f"), 0, 0, width, ReportAlign::Left, Arial8), value);
    QCOMPARE(item.text, printed);
    QCOMPARE(item.box.width(), width);
    QVERIFY(ReportText::widthMm(Arial8, item.text) <= item.box.width());
}

void TestReportEngine::slightOverflowIsCondensed_data()
{
    QTest::addColumn<double>("overflow"); // natural width over box width
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("condensed");
    QTest::newRow("fits") << 1.0 << "Imponibile totale" << false;
    QTest::newRow("3% wider") << 1.03 << "Imponibile totale" << true;
    QTest::newRow("10% wider") << 1.10 << "Imponibile" << false;
}

void TestReportEngine::slightOverflowIsCondensed()
{
    QFETCH(double, overflow);
    QFETCH(QString, printed);
    QFETCH(bool, condensed);
    const QString value = QStringLiteral("Imponibile totale");
    const double width = ReportText::widthMm(Arial8, value) / overflow;
    const ReportTextItem item = layOne(field(QStringLiteral("R"), QStringLiteral("f"), 0, 0, width, ReportAlign::Right, Arial8), value);
    QCOMPARE(item.text, printed);
    QCOMPARE(item.stretch < 1, condensed);
    QVERIFY(ReportText::widthMm(Arial8, item.text) * item.stretch <= width + 1e-9);
}

void TestReportEngine::handlerSetsLabelsBeforeEachBand()
{
    ReportLayout layout = invoiceLikeLayout();
    int headers = 0;
    layout.pageHeader.elements.append(computed(QStringLiteral("count"), 50, 3, 20, ReportAlign::Left, Arial8));
    layout.pageHeader.beforePrint = [&headers](ReportLabels &labels) {
        labels.set(QStringLiteral("count"), QStringLiteral("header %1").arg(++headers));
    };
    MemoryRows data = MemoryRows::numbered(30);
    const QList<ReportPage> pages = build(layout, data);
    QCOMPARE(headers, 2);
    QCOMPARE(pages[0].textsOf(QStringLiteral("count"))[0].text, QStringLiteral("header 1"));
    QCOMPARE(pages[1].textsOf(QStringLiteral("count"))[0].text, QStringLiteral("header 2"));
}

void TestReportEngine::handlerFailureEndsReport()
{
    ReportLayout layout = invoiceLikeLayout();
    layout.pageFooter.beforePrint = [](ReportLabels &) { throw AppError(QStringLiteral("'x' is not a valid date")); };
    MemoryRows data = MemoryRows::numbered(3);
    try {
        build(layout, data);
        QFAIL("the report should have failed");
    } catch (const AppError &error) {
        QCOMPARE(error.message(), QStringLiteral("'x' is not a valid date"));
    }
}

void TestReportEngine::unknownSourceIsAnError()
{
    ReportLayout layout = invoiceLikeLayout();
    layout.pageFooter.elements.append(field(QStringLiteral("Missing"), QStringLiteral("f"), 0, 0, 10, ReportAlign::Left, Arial8));
    MemoryRows data;
    QVERIFY_THROWS_EXCEPTION(AppError, build(layout, data));
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
