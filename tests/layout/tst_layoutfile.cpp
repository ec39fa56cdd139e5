#include "defaultlayout.h"
#include "filebytes.h"
#include "layoutfile.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ChequeLayout)

namespace {

// Origin in cm; Top, Left in twips of place, date, figures, decimals, words,
// payee; comma; account.
const ChequeLayout Default{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                           {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};

// Every row starts from a record that is not zero, so "unchanged" shows.
const ChequeLayout Start{9, 0, {11, 12}, {}, {}, {}, {}, {}, 5, {77, 78}};

QByteArray withLine(int number, const QByteArray &text)
{
    QList<QByteArray> lines = DefaultLayoutBytes.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

ChequeLayout withComma(ChequeLayout layout, qint16 flag)
{
    layout.PrintComma = flag;
    return layout;
}

} // namespace

class TestLayoutFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<ChequeLayout>("expected");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("account");

        QTest::newRow("default file") << DefaultLayoutBytes << Default << "" << "";
        QTest::newRow("missing file changes nothing") << QByteArray("<none>") << Start << "kept" << "kept";

        QTest::newRow("place, account, and blanks around numbers as the print path writes them")
            << QByteArray("Roma\r\n 2,3 \r\n 13,5 \r\n 285 \r\n 1425 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                          " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 1 \r\n"
                          "12345\r\n 2700 \r\n 2250 \r\n")
            << Default << "Roma" << "12345";

        ChequeLayout unreadable = Default;
        unreadable.SXmargin = 9;       // line 2 empty
        unreadable.LUOGO.left = 12;    // line 5 not a number
        unreadable.NUMEROcc.left = 78; // line 19 has a dot
        QTest::newRow("unreadable lines keep their fields")
            << withLine(19, "2250.5").replace("\r\n2,3\r\n", "\r\n\r\n").replace("1425", "abc")
            << unreadable << "" << "";

        // Ten lines: what follows reads the holding text of line 10 again.
        const ChequeLayout ten{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 270},
                               {270, 270}, {270, 270}, 270, {270, 270}};
        QTest::newRow("ten-line file") << DefaultLayoutBytes.left(DefaultLayoutBytes.indexOf("8070")) << ten << ""
                                       << "kept";

        QTest::newRow("empty file") << QByteArray() << withComma(Start, 0) << "kept" << "kept";

        // How a line becomes a number is the number reader's own business; here,
        // that an unreadable comma line clears the flag and an oversized one keeps it.
        QTest::newRow("line 16 is abc") << withLine(16, "abc") << withComma(Default, 0) << "" << "";
        QTest::newRow("line 16 is 1.5 rounds to 2") << withLine(16, "1.5") << withComma(Default, 2) << "" << "";
        QTest::newRow("line 16 out of range keeps the flag") << withLine(16, "99999") << withComma(Default, 5) << ""
                                                             << "";
    }

    void load()
    {
        QFETCH(QByteArray, content);

        QTemporaryDir dir;
        QVERIFY(content == "<none>" || putBytes(dir.filePath("Quendra.ini"), content));

        ChequeLayout layout = Start;
        QString gotPlace = QStringLiteral("kept");
        QString gotAccount = QStringLiteral("kept");
        // No bank, or a negative id, reads the default layout.
        const QString path = LayoutFile::fileName(dir.path(), -5);
        QCOMPARE(LayoutFile::LoadLayout(path, layout, gotPlace, gotAccount), content != "<none>");
        QTEST(layout, "expected");
        QTEST(gotPlace, "place");
        QTEST(gotAccount, "account");
    }
};

QTEST_GUILESS_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
