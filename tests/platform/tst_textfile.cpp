#include "filebytes.h"
#include "filesizelimit.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using Bytes = QByteArray;

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("euro, quotes, dash, ligatures, carons")
            << QByteArray("\x80 \x91x\x92 \x93y\x94 \x96 \x8c\x9c\x8a\x9a\x8e\x9e\x9f")
            << QStringLiteral("€ ‘x’ “y” – ŒœŠšŽžŸ");
        QTest::newRow("undefined bytes survive") << QByteArray("\x81\x8d\x8f\x90\x9d")
                                                 << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
    }

    void codePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
        QCOMPARE(TextFile::encode(text), bytes);
        QVERIFY(TextFile::canEncode(text));
        QVERIFY(!TextFile::canEncode(text + QStringLiteral("Ł")));
        QCOMPARE(TextFile::encode(QStringLiteral("東") + text), '?' + bytes);
    }

    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty lines kept") << QByteArray("\r\n2,3\r\n\r\n") << QStringList{"", "2,3", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("mixed ends") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("cr then crlf is an empty line") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("blanks kept") << QByteArray(" 285 \r\n") << QStringList{" 285 "};
    }

    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(TextFile::splitLines(bytes), "lines");
    }

    void fileLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("each line break one blank") << "Via Roma\r\n12\nint.\r3" << "Via Roma 12 int. 3";
        QTest::newRow("controls dropped, the code page's own kept")
            << QStringLiteral("a\tb\u0007\u007f\u0000 \u0081€") << QStringLiteral("ab \u0081€");
    }

    void fileLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(TextFile::joinLines({text, "x"}), TextFile::encode(line) + "\r\nx\r\n");
    }

    void write_data()
    {
        QTest::addColumn<bool>("append");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("append after lf") << true << Bytes("ROSSI\n") << false << Bytes("ROSSI\nBIANCHI\r\n");
        QTest::newRow("append to an unended line") << true << Bytes("ROSSI") << false << Bytes("ROSSI\r\nBIANCHI\r\n");
        // A full disk keeps the old bytes, and leaves no scratch file behind.
        QTest::newRow("full disk: rewrite") << false << Bytes("2,3\r\n13,5\r\n") << true << Bytes("2,3\r\n13,5\r\n");
        QTest::newRow("full disk: rewrite of a missing file") << false << Bytes("<missing>") << true << Bytes("<missing>");
        QTest::newRow("full disk: append") << true << Bytes("ROSSI\r\n") << true << Bytes("ROSSI\r\n");
        QTest::newRow("full disk: append to a missing file") << true << Bytes("<missing>") << true << Bytes("<missing>");
    }

    void write()
    {
        QFETCH(bool, append);
        QFETCH(QByteArray, before);
        QFETCH(bool, fullDisk);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Beneficiari.ini"));
        QVERIFY(before == "<missing>" || putBytes(path, before));
        QString error;
        {
            // Smaller than the line the write adds, CR LF and all.
            std::optional<FileSizeLimit> full;
            if (fullDisk)
                full.emplace(8);
            QCOMPARE(append ? TextFile::appendLine(path, "BIANCHI", &error)
                            : TextFile::writeLines(path, {"BIANCHI"}, &error),
                     !fullDisk);
        }
        QCOMPARE(error, fullDisk ? QStringLiteral("il file supera la dimensione concessa") : QString());
        QCOMPARE(bytesIn(path), after);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(after != "<missing>"));
    }

    void readsOnlyRegularFiles()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("Beneficiari.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        ::alarm(10); // opening a FIFO would wait for a writer for ever
        QStringList lines{QStringLiteral("old")};
        QVERIFY(!TextFile::readLines(fifo, &lines) && lines.isEmpty());
        QVERIFY(!TextFile::appendLine(fifo, QStringLiteral("x")));
        ::alarm(0);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
