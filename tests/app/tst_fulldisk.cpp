#include "filesizelimit.h"
#include "windowfixture.h"

#include <QPushButton>

using Answer = MessageBoxes::Answer;

class TestFullDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedSaveIsToldAndKeepsTheFile_data();
    void failedSaveIsToldAndKeepsTheFile();
};

void TestFullDisk::failedSaveIsToldAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("button"); // empty: start-up alone
    QTest::addColumn<QByteArray>("payees");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("listAfter");

    QTest::newRow("first start leaves no empty layout file")
        << "" << QByteArray("<missing>") << "" << "Quendra.ini" << QStringList{};
    QTest::newRow("payee added for this run only")
        << "AddBEN" << QByteArray("ROSSI MARIO\r\n") << "ZANETTI MARCO" << "Beneficiari.ini"
        << QStringList{"ROSSI MARIO", "ZANETTI MARCO"};
    QTest::newRow("payee deleted for this run only")
        << "DelBEN" << QByteArray("ROSSI MARIO\r\nBIANCHI LUCA\r\n") << "BIANCHI LUCA" << "Beneficiari.ini"
        << QStringList{"ROSSI MARIO"};
}

void TestFullDisk::failedSaveIsToldAndKeepsTheFile()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, payees);
    QFETCH(QString, typed);
    QFETCH(QString, file);
    QFETCH(QStringList, listAfter);

    WindowFixture w;
    if (!button.isEmpty())
        w.write("Quendra.ini", DefaultLayoutBytes);
    if (payees != "<missing>")
        w.write("Beneficiari.ini", payees);
    const QByteArray before = w.bytes(file.toLatin1());
    {
        FileSizeLimit full(8);
        QVERIFY(w.window.load());
        if (!button.isEmpty()) {
            w.messages.answers = {Answer::Yes};
            w.window.BENEFICIARIO->setEditText(typed);
            QTest::mouseClick(w.window.findChild<QPushButton *>(button), Qt::LeftButton);
        }
    }
    QCOMPARE(w.messages.asked.size(), button.isEmpty() ? 1 : 2);
    QCOMPARE(w.messages.asked.last(),
             (MessageBoxes::Request{"Il file «" + w.path(file.toLatin1()) + "» non è stato salvato: "
                                    "il file supera la dimensione concessa.",
                                    "Quendra", MessageBoxes::Icon::Critical}));
    QCOMPARE(w.bytes(file.toLatin1()), before);
    QCOMPARE(w.payees(), listAfter);
}

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
