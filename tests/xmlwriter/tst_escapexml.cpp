// EscapeXml and the written forms of stored texts in the FatturaPA files.
#include "fattura/escapexml.h"
#include "fattura/valueforms.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEscapeXml : public QObject
{
    Q_OBJECT
private slots:
    void escapeXml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("nothing to replace") << u"Via Roma 10 <A> l'uno"_s << u"Via Roma 10 <A> l'uno"_s;
        QTest::newRow("ampersand") << u"Rossi & Figli"_s << u"Rossi &#38; Figli"_s;
        QTest::newRow("solidus") << u"Via Roma 10/A"_s << u"Via Roma 10&#47;A"_s;
        QTest::newRow("each character, in a row") << u"&!\"/-°@+"_s << u"&#38;&#33;&#34;&#47;&#45;&#176;&#64;&#43;"_s;
        QTest::newRow("references added later keep their ampersand") << u"a-&b"_s << u"a&#45;&#38;b"_s;
        QTest::newRow("a reference already in the text") << u"&#47;"_s << u"&#38;#47;"_s;
        QTest::newRow("every occurrence") << u"--//"_s << u"&#45;&#45;&#47;&#47;"_s;
    }
    void escapeXml()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(EscapeXml(text), expected);
    }

    void writtenForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("markupSafe");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("markup") << u"a<b>&c"_s << u"a&#60;b&#62;&#38;c"_s << u"a&#60;b&#62;&#38;c"_s;
        QTest::newRow("stored form keeps the rest") << u"10/A-B"_s << u"10/A-B"_s << u"10&#47;A&#45;B"_s;
    }
    void writtenForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, markupSafe);
        QFETCH(QString, escaped);
        QCOMPARE(ValueForm::markupSafe(text), markupSafe);
        QCOMPARE(ValueForm::escaped(text), escaped);
    }

    void fitsXml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("plain") << u"Forlì 1°"_s << true;
        QTest::newRow("tab, CR, LF") << u"a\tb\r\nc"_s << true;
        QTest::newRow("character above U+FFFF") << QString::fromUcs4(U"\U0001F600") << true;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
        QTest::newRow("escape") << u"a\x1b"_s << false;
        QTest::newRow("U+FFFE") << u"\uFFFE"_s << false;
        QTest::newRow("U+FFFF") << u"\uFFFF"_s << false;
        QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + u'a' << false;
        QTest::newRow("lone low surrogate") << QString(QChar(0xDC00)) << false;
    }
    void fitsXml()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QCOMPARE(ValueForm::fitsXml(text), fits);
    }

    void trimmed()
    {
        QCOMPARE(ValueForm::trimmed(u"\x01 \t a b \x1f "_s), u"a b"_s);
        QCOMPARE(ValueForm::trimmed(u"\u00A0a\u00A0"_s), u"\u00A0a\u00A0"_s);
    }
};

QTEST_GUILESS_MAIN(TestEscapeXml)
#include "tst_escapexml.moc"
