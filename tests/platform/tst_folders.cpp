#include "filebytes.h"
#include "folders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataFolder_data()
    {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("userData");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows drive D, any current drive") << "D:/Apps/quendra" << "C:/Users/anna/AppData"
                                                            << true << "D:\\Quendra";
        QTest::newRow("windows network share") << "\\\\server\\apps\\quendra" << "C:\\Users\\anna\\AppData\\Roaming"
                                               << true << "C:\\Users\\anna\\AppData\\Roaming\\Quendra";
        QTest::newRow("linux") << "/usr/bin" << "/home/anna/.local/share" << false
                               << "/home/anna/.local/share/Quendra";
        QTest::newRow("linux program path looks like a drive") << "C:/odd" << "/home/anna/.local/share"
                                                               << false << "/home/anna/.local/share/Quendra";
    }

    void dataFolder()
    {
        QFETCH(QString, programDir);
        QFETCH(QString, userData);
        QFETCH(bool, windows);
        QTEST(Folders::dataFolderFor(programDir, userData, windows), "expected");
    }

    void findAnyCase_data()
    {
        QTest::addColumn<QStringList>("files"); // a name ending in "/" is a folder
        QTest::addColumn<QString>("found");     // for "Banche.ini"
        QTest::newRow("Windows capitals") << QStringList{"BANCHE.INI", "Quendra.ini"} << "BANCHE.INI";
        QTest::newRow("the exact name preferred") << QStringList{"BANCHE.INI", "Banche.ini"} << "Banche.ini";
        QTest::newRow("two other cases: the first by name") << QStringList{"banche.INI", "BANCHE.INI"} << "BANCHE.INI";
        QTest::newRow("none, or a folder: the name asked") << QStringList{"BANCHE.INI/", "Banche.bak"} << "Banche.ini";
    }

    void findAnyCase()
    {
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        for (const QString &name : files)
            QVERIFY(name.endsWith('/') ? QDir(dir.path()).mkdir(name) : putBytes(dir.filePath(name), "x"));
        QFETCH(QString, found);
        QCOMPARE(Folders::findAnyCase(dir.filePath("Banche.ini")), dir.filePath(found));
    }

    // Only what a save cut short leaves: the name of a data file and the
    // six characters of its temporary copy.
    void removeSaveLeftovers()
    {
        QTemporaryDir dir;
        const QStringList leftovers{"Quendra1.ini.Ab3dE9", "BANCHE.INI.q0W9eR", "Beneficiari.ini.000000",
                                    "Quendra.png.zZ9aA1", "Stampanti.ini.Xa9bQ2"};
        const QStringList kept{"Quendra1.ini", "Quendra1.ini.bak", "Quendra1.ini.Ab3dE", "Note.ini.Ab3dE9",
                               "Quendra1.ini.Ab3dE9x"};
        for (const QString &name : leftovers + kept)
            QVERIFY(putBytes(dir.filePath(name), "x"));
        QStringList removed = Folders::removeSaveLeftovers(dir.path());
        removed.sort();
        QStringList expected = leftovers;
        expected.sort();
        QCOMPARE(removed, expected);
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        QStringList keptSorted = kept;
        keptSorted.sort();
        QCOMPARE(left, keptSorted);
    }

    void folderExists()
    {
        QTemporaryDir dir;
        QVERIFY(Folders::FolderExists(dir.path()));
        QVERIFY(Folders::FolderExists(dir.path() + QLatin1Char('/')));
        QVERIFY(!Folders::FolderExists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(!Folders::FolderExists(QString()));
        const QString file = dir.filePath(QStringLiteral("plain"));
        QVERIFY(putBytes(file, {}));
        QVERIFY(!Folders::FolderExists(file));
        QVERIFY(!Folders::createFolder(file + QLatin1String("/Quendra")));
        QVERIFY(Folders::createFolder(dir.filePath(QStringLiteral("a/b/Quendra"))));
        QVERIFY(Folders::FolderExists(dir.filePath(QStringLiteral("a/b/Quendra"))));
    }
};

QTEST_GUILESS_MAIN(TestFolders)
#include "tst_folders.moc"
