#include "layoutfile.h"

#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ChequeLayout)

namespace {

ChequeLayout defaultLayout()
{
    ChequeLayout l;
    l.SXmargin = 2.3f;
    l.DXmargin = 13.5f;
    l.LUOGO = {285, 1425};
    l.GGMMAAAA = {270, 4230};
    l.IMPORTO_CIFRE = {270, 6015};
    l.IMPORTO_DEC = {270, 8070};
    l.IMPORTO_ABC = {1740, 2100};
    l.BENEFICIARIO = {2235, 2250};
    l.PrintComma = 1;
    l.NUMEROcc = {2700, 2250};
    return l;
}

const QByteArray DefaultBytes =
    "\r\n2,3\r\n13,5\r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
    "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n\r\n2700\r\n2250\r\n";

// Every row starts from a record that is not zero, so "unchanged" shows.
ChequeLayout startLayout()
{
    ChequeLayout l;
    l.SXmargin = 9;
    l.LUOGO = {11, 12};
    l.PrintComma = 5;
    l.NUMEROcc = {77, 78};
    return l;
}

QByteArray withLine(int number, const QByteArray &text)
{
    QList<QByteArray> lines = DefaultBytes.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

} // namespace

class TestLayoutFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileName_data();
    void fileName();
    void load_data();
    void load();
};

void TestLayoutFile::fileName_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("no bank") << 0 << "/data/Quendra/Quendra.ini";
    QTest::newRow("bank 3") << 3 << "/data/Quendra/Quendra3.ini";
    QTest::newRow("bank 12") << 12 << "/data/Quendra/Quendra12.ini";
    QTest::newRow("negative id is the default") << -5 << "/data/Quendra/Quendra.ini";
}

void TestLayoutFile::fileName()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QCOMPARE(LayoutFile::fileName(QStringLiteral("/data/Quendra"), id), name);
}

void TestLayoutFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ChequeLayout>("expected");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("account");

    const ChequeLayout start = startLayout();

    QTest::newRow("default file") << DefaultBytes << defaultLayout() << "" << "";
    QTest::newRow("cr only line ends") << QByteArray(DefaultBytes).replace("\r\n", "\r") << defaultLayout() << "" << "";
    QTest::newRow("missing file changes nothing") << QByteArray("<none>") << start << "kept" << "kept";

    ChequeLayout remembered = defaultLayout();
    QTest::newRow("place and account remembered")
        << withLine(17, "IT60X0542811101000000123456").replace("\r\n2,3", "Castelrovo\r\n2,3")
        << remembered << "Castelrovo" << "IT60X0542811101000000123456";

    ChequeLayout blanks = defaultLayout();
    QTest::newRow("blanks around numbers, as the print path writes them")
        << QByteArray("Roma\r\n 2,3 \r\n 13,5 \r\n 285 \r\n 1425 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                      " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 1 \r\n"
                      "12345\r\n 2700 \r\n 2250 \r\n")
        << blanks << "Roma" << "12345";


    ChequeLayout unreadable = defaultLayout();
    unreadable.SXmargin = 9;       // line 2 empty
    unreadable.LUOGO.left = 12;    // line 5 not a number
    unreadable.NUMEROcc.left = 78; // line 19 has a dot
    QTest::newRow("unreadable lines keep their fields")
        << withLine(19, "2250.5").replace("\r\n2,3\r\n", "\r\n\r\n").replace("1425", "abc")
        << unreadable << "" << "";

    // Ten lines: what follows reads the holding text of line 10 again.
    ChequeLayout ten = start;
    ten.SXmargin = 2.3f;
    ten.DXmargin = 13.5f;
    ten.LUOGO = {285, 1425};
    ten.GGMMAAAA = {270, 4230};
    ten.IMPORTO_CIFRE = {270, 6015};
    ten.IMPORTO_DEC = {270, 270};
    ten.IMPORTO_ABC = {270, 270};
    ten.BENEFICIARIO = {270, 270};
    ten.PrintComma = 270;
    ten.NUMEROcc = {270, 270};
    QTest::newRow("ten-line file") << DefaultBytes.left(DefaultBytes.indexOf("8070")) << ten << ""
                                   << "kept";

    QTest::newRow("empty file") << QByteArray() << [&] { ChequeLayout l = start; l.PrintComma = 0; return l; }()
                                << "kept" << "kept";

    const QList<QPair<const char *, QByteArray>> comma = {
        {"line 16 is 1", "1"}, {"line 16 is 1 with blanks", " 1 "}, {"line 16 is 1,0", "1,0"},
        {"line 16 is 0", "0"}, {"line 16 is empty", ""}, {"line 16 is abc", "abc"},
        {"line 16 is 1.5 rounds to 2", "1.5"}, {"line 16 is 0.5 rounds to 0", "0.5"},
        {"line 16 out of range keeps the flag", "99999"},
    };
    const QList<qint16> flags = {1, 1, 1, 0, 0, 0, 2, 0, 5};
    for (int i = 0; i < comma.size(); ++i) {
        ChequeLayout l = defaultLayout();
        l.PrintComma = flags[i];
        QTest::newRow(comma[i].first) << withLine(16, comma[i].second) << l << "" << "";
    }
}

void TestLayoutFile::load()
{
    QFETCH(QByteArray, content);
    QFETCH(ChequeLayout, expected);
    QFETCH(QString, place);
    QFETCH(QString, account);

    QTemporaryDir dir;
    const QString path = LayoutFile::fileName(dir.path(), 0);
    if (content != "<none>") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    ChequeLayout layout = startLayout();
    QString gotPlace = QStringLiteral("kept");
    QString gotAccount = QStringLiteral("kept");
    QCOMPARE(LayoutFile::LoadLayout(path, layout, gotPlace, gotAccount), content != "<none>");
    QVERIFY(layout == expected);
    QCOMPARE(gotPlace, place);
    QCOMPARE(gotAccount, account);
}

QTEST_GUILESS_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
