// The schema changes for an existing invoice store: run on a store of the
// earlier shape holding data, they keep the data and give the new shape;
// a fresh store already has it.
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The statements of a migration script, as the set-up scripts feed them to
// the server.
QStringList statements(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("migration %s not readable", qPrintable(path));
    QStringList result;
    for (const QString &statement : QString::fromUtf8(file.readAll()).split(u';')) {
        QString sql;
        for (const QString &line : statement.split(u'\n'))
            if (!line.trimmed().startsWith(u"--"_s))
                sql += line + u'\n';
        if (!sql.trimmed().isEmpty())
            result << sql;
    }
    return result;
}

void runMigrations(TestDatabase &db)
{
    const QDir folder(QStringLiteral(MIGRATIONS_DIR));
    for (const QString &name : folder.entryList({u"*.sql"_s}, QDir::Files, QDir::Name))
        for (const QString &sql : statements(folder.filePath(name)))
            db.execute(sql);
}

QString width(TestDatabase &db, const QString &table, const QString &column)
{
    return db.scalar(u"SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = '%1' "
                     "AND TABLE_NAME = '%2' AND COLUMN_NAME = '%3'"_s.arg(db.name(), table, column));
}

} // namespace

class TestMigrazioni : public QObject
{
    Q_OBJECT
private slots:
    void natureCodesWidenKeepingTheData_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        for (const char *column : {"natura", "natura2", "natura3", "natura4"})
            QTest::newRow(qPrintable(u"testata."_s + QLatin1StringView(column)))
                << u"testata"_s << QString::fromLatin1(column);
        QTest::newRow("dettaglio.natura") << u"dettaglio"_s << u"natura"_s;
        QTest::newRow("test_car.natura") << u"test_car"_s << u"natura"_s;
        QTest::newRow("test_car.natura2") << u"test_car"_s << u"natura2"_s;
        QTest::newRow("dett_car.natura") << u"dett_car"_s << u"natura"_s;
    }

    void natureCodesWidenKeepingTheData()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);

        TestDatabase db;
        QCOMPARE(width(db, table, column), u"4"_s); // a fresh store

        // A store of the earlier shape, with a code in it.
        db.execute(u"ALTER TABLE `%1` MODIFY `%2` VARCHAR(2) NULL DEFAULT ''"_s.arg(table, column));
        db.execute(u"INSERT INTO `%1` (`%2`) VALUES ('N2')"_s.arg(table, column));
        QCOMPARE(width(db, table, column), u"2"_s);

        runMigrations(db);
        runMigrations(db); // a second run changes nothing
        QCOMPARE(width(db, table, column), u"4"_s);
        QCOMPARE(db.scalar(u"SELECT `%2` FROM `%1`"_s.arg(table, column)), u"N2"_s);
        db.execute(u"UPDATE `%1` SET `%2` = 'N6.9'"_s.arg(table, column));
        QCOMPARE(db.scalar(u"SELECT `%2` FROM `%1`"_s.arg(table, column)), u"N6.9"_s);
        QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM `%1`"_s.arg(table)), u"1"_s);
    }
    void withholdingAndStampColumnsAddedKeepingTheData_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("keptColumn");
        QTest::addColumn<QString>("newValue");
        QTest::addColumn<QString>("defaultValue");
        QTest::newRow("azienda.rit_tipo") << u"azienda"_s << u"rit_tipo"_s << u"rag_soc"_s << u"RT01"_s << QString();
        QTest::newRow("azienda.rit_aliquota")
            << u"azienda"_s << u"rit_aliquota"_s << u"rag_soc"_s << u"20,00"_s << QString();
        QTest::newRow("azienda.rit_causale") << u"azienda"_s << u"rit_causale"_s << u"rag_soc"_s << u"M1"_s << QString();
        QTest::newRow("testata.bollo") << u"testata"_s << u"bollo"_s << u"rag_soc"_s << u"1"_s << u"0"_s;
    }

    void withholdingAndStampColumnsAddedKeepingTheData()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, keptColumn);
        QFETCH(QString, newValue);
        QFETCH(QString, defaultValue);

        TestDatabase db;
        // A store of the earlier shape, with a row in it.
        db.execute(u"ALTER TABLE `%1` DROP COLUMN `%2`"_s.arg(table, column));
        db.execute(u"INSERT INTO `%1` (`%2`) VALUES ('Rossi & C.')"_s.arg(table, keptColumn));

        runMigrations(db);
        runMigrations(db); // a second run changes nothing
        QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM `%1`"_s.arg(table)), u"1"_s);
        QCOMPARE(db.scalar(u"SELECT `%2` FROM `%1`"_s.arg(table, keptColumn)), u"Rossi & C."_s);
        QCOMPARE(db.scalar(u"SELECT `%2` FROM `%1`"_s.arg(table, column)), defaultValue);
        db.execute(u"UPDATE `%1` SET `%2` = '%3'"_s.arg(table, column, newValue));
        QCOMPARE(db.scalar(u"SELECT `%2` FROM `%1`"_s.arg(table, column)), newValue);
    }
};

QTEST_GUILESS_MAIN(TestMigrazioni)
#include "tst_migrazioni.moc"
