// The purchase invoices screen: the load panel and its hand-off to the
// transmission service, the two lists and their automatic refresh.
#include "dbgrid.h"
#include "screenfixture.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
    Q_INVOKABLE void open(const QUrl &url) { opened << QString::fromUtf8(url.toEncoded()); }
};

class TestCarico : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenFixture> f;
    UrlRecorder recorder;
    QTemporaryDir folder;
    QString startFolder;
    TElenco_Carico *screen = nullptr;

    template <typename T> T *child(const char *name) { return screen->findChild<T *>(name); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("http", &recorder, "open");
        QDir(folder.path()).mkdir("ricevute");
        for (const char *name :
             {"IT01234567890_00001.xml", "a&b c.xml", "nota.txt", "ricevute/IT09876543210_00002.XML"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        startFolder = QDir::currentPath();
        // The load panel opens on the working folder.
        QDir::setCurrent(folder.path());
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        QDir::setCurrent(startFolder);
    }
    void init()
    {
        f = std::make_unique<ScreenFixture>();
        screen = &f->screens->elenco_carico;
        recorder.opened.clear();
    }
    void cleanup()
    {
        screen->hide();
        f.reset();
    }

    void loadPanelListsTheFolders()
    {
        screen->show();
        QVERIFY(!child<QWidget>("P2")->isVisible());
        click("BitBtn2");
        QVERIFY(child<QWidget>("P2")->isVisible());
        auto *files = child<QListWidget>("FileListBox1");
        auto *name = child<QLineEdit>("Edit1");
        QVERIFY(name->isReadOnly());
        QCOMPARE(name->text(), "*.xml");
        QStringList listed;
        for (int row = 0; row < files->count(); ++row)
            listed << files->item(row)->text();
        QCOMPARE(listed, (QStringList{"a&b c.xml", "IT01234567890_00001.xml"}));
        files->setCurrentRow(1);
        QCOMPARE(name->text(), "IT01234567890_00001.xml");
        QVERIFY(child<QComboBox>("Drive")->count() > 0);
        // Opening a subfolder lists its files and forgets the chosen one.
        auto *folders = child<QListWidget>("DirectoryListBox1");
        const auto found = folders->findItems("ricevute", Qt::MatchEndsWith);
        QCOMPARE(found.size(), 1);
        emit folders->itemActivated(found[0]);
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), "IT09876543210_00002.XML");
        QCOMPARE(name->text(), "*.xml");
        click("BitBtn1");
        QVERIFY(!child<QWidget>("P2")->isVisible());
    }

    void invioCarico_data()
    {
        QTest::addColumn<int>("fileRow"); // -1: none chosen
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("messages");
        const QString address = "http://localhost/Fatt_Acq/read_xml.php?nome_file=";
        QTest::newRow("no file chosen") << -1 << "" << QStringList{address + "%2A.xml"} << QStringList{};
        QTest::newRow("new file") << 1 << "IT01234567890_00002.xml" << QStringList{address + "IT01234567890_00001.xml"}
                                  << QStringList{};
        QTest::newRow("name encoded") << 0 << "" << QStringList{address + "a%26b%20c.xml"} << QStringList{};
        QTest::newRow("already loaded") << 1 << "IT01234567890_00001.xml" << QStringList{}
                                        << QStringList{"Attenzione... File gia Caricato"};
    }
    void invioCarico()
    {
        QFETCH(int, fileRow);
        QFETCH(QString, loaded);
        f->db->execute(QString("INSERT INTO test_car (rag_soc, nome_file) VALUES ('ACME', '%1')").arg(loaded));
        f->reopenTables();
        screen->show();
        click("BitBtn2");
        child<QListWidget>("FileListBox1")->setCurrentRow(fileRow);
        ModalAnswerer answerer;
        click("BitBtn3");
        QTEST(recorder.opened, "opened");
        QTEST(answerer.texts, "messages");
        QVERIFY(!child<QWidget>("P2")->isVisible());
    }

    void linesDoNotFollowTheHeader()
    {
        f->db->execute("INSERT INTO test_car (rag_soc) VALUES ('ACME'), ('BETA')");
        f->db->execute(
            "INSERT INTO dett_car (prot_car, prog, descrizione) VALUES (1, 1, 'A'), (2, 1, 'B'), (2, 2, 'C')");
        f->reopenTables();
        screen->show();
        auto *lines = child<DBGrid>("DBGrid2");
        QCOMPARE(lines->model()->rowCount(), 3);
        f->diz->Testa_Car->last();
        QCOMPARE(f->diz->Testa_Car->text("rag_soc"), "BETA");
        QCOMPARE(lines->model()->rowCount(), 3);
        QCOMPARE(child<DBGrid>("DBGrid1")->model()->headerData(7, Qt::Horizontal).toString(), "nome_file");
    }

    // The service loads a file through a connection of its own.
    void loadedInvoiceShowsUp()
    {
        screen->show();
        auto *headers = child<DBGrid>("DBGrid1");
        auto *lines = child<DBGrid>("DBGrid2");
        QCOMPARE(headers->model()->rowCount(), 0);
        f->db->execute("INSERT INTO test_car (rag_soc, nome_file) VALUES ('ACME', 'IT01234567890_00001.xml')");
        f->db->execute("INSERT INTO dett_car (prot_car, prog, descrizione) VALUES (1, 1, 'VITI')");
        QTRY_COMPARE_WITH_TIMEOUT(headers->model()->rowCount(), 1, 6000);
        QTRY_COMPARE_WITH_TIMEOUT(lines->model()->rowCount(), 1, 6000);
    }

    void stampaShowsThePurchaseInvoice()
    {
        f->db->execute("INSERT INTO test_car (rag_soc, num_doc) VALUES ('ACME', '12')");
        f->reopenTables();
        screen->show();
        ModalAnswerer answerer;
        QString shown;
        answerer.onDialog = [&](QWidget *dialog) {
            shown = dialog->metaObject()->className();
            dialog->close();
        };
        click("BitBtn4");
        QVERIFY(!shown.isEmpty());
        QVERIFY(screen->isVisible());
    }
};

QTEST_MAIN(TestCarico)
#include "tst_carico.moc"
