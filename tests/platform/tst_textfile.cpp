#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codePage_data();
    void codePage();
    void splitLines_data();
    void splitLines();
    void failedWriteKeepsOldFile();
    void appendAddsMissingLineEnd_data();
    void appendAddsMissingLineEnd();
};

void TestTextFile::codePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("euro sign is 0x80") << QByteArray("\x80uro") << QStringLiteral("€uro");
    QTest::newRow("typographic quotes and dash")
        << QByteArray("\x91x\x92 \x93y\x94 \x96") << QStringLiteral("‘x’ “y” –");
    QTest::newRow("oe ligature and caron letters") << QByteArray("\x8c\x9c\x8a\x9a\x8e\x9e\x9f")
                                                   << QStringLiteral("ŒœŠšŽžŸ");
    QTest::newRow("undefined bytes survive") << QByteArray("\x81\x8d\x8f\x90\x9d")
                                             << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
}

void TestTextFile::codePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decode(bytes), text);
    QCOMPARE(TextFile::encode(text), bytes);
    QVERIFY(TextFile::canEncode(text));
    QVERIFY(!TextFile::canEncode(text + QStringLiteral("Ł")));
    QCOMPARE(TextFile::encode(QStringLiteral("東") + text), '?' + bytes);
}

void TestTextFile::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n2,3\r\n\r\n") << QStringList{"", "2,3", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("lone cr stays in the line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
    QTest::newRow("blanks kept") << QByteArray(" 285 \r\n") << QStringList{" 285 "};
}

void TestTextFile::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(bytes), lines);
}

void TestTextFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    // A folder standing where the file should go: the save cannot complete.
    const QString path = dir.filePath(QStringLiteral("Quendra.ini"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Quendra.ini")));
    QString error;
    QVERIFY(!TextFile::writeLines(path, {QStringLiteral("x")}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Quendra.ini")});
}

void TestTextFile::appendAddsMissingLineEnd_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("file missing") << QByteArray() << QByteArray("BIANCHI\r\n");
    QTest::newRow("ends with crlf") << QByteArray("ROSSI\r\n") << QByteArray("ROSSI\r\nBIANCHI\r\n");
    QTest::newRow("ends with lf") << QByteArray("ROSSI\n") << QByteArray("ROSSI\nBIANCHI\r\n");
    QTest::newRow("last line unended") << QByteArray("ROSSI") << QByteArray("ROSSI\r\nBIANCHI\r\n");
}

void TestTextFile::appendAddsMissingLineEnd()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Beneficiari.ini"));
    if (!before.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    QVERIFY(TextFile::appendLine(path, QStringLiteral("BIANCHI")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), after);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
