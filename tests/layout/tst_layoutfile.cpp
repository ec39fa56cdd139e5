#include "filebytes.h"
#include "layoutfile.h"

#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ChequeLayout)

namespace {

// Origin in cm; Top, Left in twips of place, date, figures, decimals, words,
// payee; comma; account.
const ChequeLayout Default{2.3f, 13.5f, {285, 1425}, {270, 4230}, {270, 6015}, {270, 8070},
                           {1740, 2100}, {2235, 2250}, 1, {2700, 2250}};

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
    QTest::newRow("bank 12") << 12 << "/data/Quendra/Quendra12.ini";
    QTest::newRow("negative id is the default") << -5 << "/data/Quendra/Quendra.ini";
}

void TestLayoutFile::fileName()
{
    QFETCH(int, id);
    QTEST(LayoutFile::fileName(QStringLiteral("/data/Quendra"), id), "name");
}

void TestLayoutFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ChequeLayout>("expected");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("account");

    const ChequeLayout start = startLayout();

    QTest::newRow("default file") << DefaultBytes << Default << "" << "";
    QTest::newRow("cr only line ends") << QByteArray(DefaultBytes).replace("\r\n", "\r") << Default << "" << "";
    QTest::newRow("missing file changes nothing") << QByteArray("<none>") << start << "kept" << "kept";

    QTest::newRow("place and account remembered")
        << withLine(17, "IT60X0542811101000000123456").replace("\r\n2,3", "Castelrovo\r\n2,3")
        << Default << "Castelrovo" << "IT60X0542811101000000123456";

    QTest::newRow("blanks around numbers, as the print path writes them")
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
    QTest::newRow("ten-line file") << DefaultBytes.left(DefaultBytes.indexOf("8070")) << ten << ""
                                   << "kept";

    QTest::newRow("empty file") << QByteArray() << [&] { ChequeLayout l = start; l.PrintComma = 0; return l; }()
                                << "kept" << "kept";

    // How a line becomes a number is the number reader's own business; here,
    // that an unreadable comma line clears the flag and an oversized one keeps it.
    for (const auto &[row, line, flag] : {std::tuple<const char *, QByteArray, qint16>{"line 16 is abc", "abc", 0},
                                          {"line 16 is 1.5 rounds to 2", "1.5", 2},
                                          {"line 16 out of range keeps the flag", "99999", 5}}) {
        ChequeLayout l = Default;
        l.PrintComma = flag;
        QTest::newRow(row) << withLine(16, line) << l << "" << "";
    }
}

void TestLayoutFile::load()
{
    QFETCH(QByteArray, content);
    QFETCH(ChequeLayout, expected);

    QTemporaryDir dir;
    const QString path = LayoutFile::fileName(dir.path(), 0);
    QVERIFY(content == "<none>" || putBytes(path, content));

    ChequeLayout layout = startLayout();
    QString gotPlace = QStringLiteral("kept");
    QString gotAccount = QStringLiteral("kept");
    QCOMPARE(LayoutFile::LoadLayout(path, layout, gotPlace, gotAccount), content != "<none>");
    QVERIFY(layout == expected);
    QTEST(gotPlace, "place");
    QTEST(gotAccount, "account");
}

QTEST_GUILESS_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
