#include "appstate.h"
#include "fakemessageboxes.h"
#include "frminput.h"
#include "recordingprintdevice.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>

using Answer = MessageBoxes::Answer;
using Op = RecordingPrintDevice::Op;

namespace {

const QByteArray DefaultLayout =
    "\r\n2,3\r\n13,5\r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
    "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n\r\n2700\r\n2250\r\n";

// Answers the printer window as soon as it is up: Enter prints, Escape
// cancels. Records whether the window was shown at all.
struct PrinterWindowAnswer
{
    explicit PrinterWindowAnswer(Qt::Key key)
    {
        auto poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [this, key, poll] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal->windowTitle() != QLatin1String("Selezione Stampante"))
                return;
            shown = true;
            QTest::keyClick(modal, key);
            poll->deleteLater();
        });
        poll->start();
        timer = poll;
    }
    ~PrinterWindowAnswer() { delete timer; }
    bool shown = false;
    QPointer<QTimer> timer;
};

struct Window
{
    Window()
    {
        QDir().mkpath(folder());
        printer.setPrinters({QStringLiteral("Ufficio"), QStringLiteral("PDF")});
        loaded = window.load();
    }
    QString folder() const { return dir.filePath(QStringLiteral("Quendra")); }
    QString path(const char *name) const { return folder() + QLatin1Char('/') + QLatin1String(name); }
    QByteArray bytes(const char *name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList printedTexts() const
    {
        QStringList texts;
        for (const auto &p : printer.printed())
            texts.append(p.text);
        return texts;
    }

    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window{state, folder(), messages, urls, printer};
    bool loaded = false;
};

} // namespace

class TestStampaAssegno : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nothingToPrint();
    void printsAndRemembersPlaceAndAccount();
    void newPayeeAnsweredNoStillPrints();
    void cancelWritesAndPrintsNothing();
    void bankWithoutLayoutFilePrintsWhatIsHeld();
    void secondPrintRemembersTheSecondPlace();
};

void TestStampaAssegno::nothingToPrint()
{
    Window w;
    QVERIFY(w.loaded);
    w.window.LUOGO->setText(QStringLiteral("   "));
    w.window.IMPORTO_ABC->setText(QStringLiteral("UNO / 00"));
    w.window.BENEFICIARIO->setEditText(QStringLiteral(" "));
    PrinterWindowAnswer answer(Qt::Key_Return);
    QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.messages.asked.first().text, QStringLiteral("Occorre inserire almeno un dato per poter stampare."));
    QCOMPARE(w.messages.asked.first().icon, MessageBoxes::Icon::Critical);
    QCOMPARE(w.messages.asked.first().title, QStringLiteral("Quendra"));
    QVERIFY(!answer.shown);
    QVERIFY(w.printer.calls().isEmpty());
    QCOMPARE(w.bytes("Quendra.ini"), DefaultLayout);
}

void TestStampaAssegno::printsAndRemembersPlaceAndAccount()
{
    Window w;
    QVERIFY(w.loaded);
    QFile::remove(w.path("Beneficiari.ini"));
    w.window.LUOGO->setText(QStringLiteral("  Castelrovo "));
    w.window.GGMMAAAA->setText(QStringLiteral("5 dicembre 2026"));
    w.window.IMPORTO->setText(QStringLiteral("1500,5"));
    w.window.BENEFICIARIO->setEditText(QStringLiteral("ROSSI MARIO"));
    w.window.NumCC->setText(QStringLiteral(" 000123456 "));
    w.messages.answers = {Answer::Yes};
    {
        PrinterWindowAnswer answer(Qt::Key_Return);
        QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
        QVERIFY(answer.shown);
    }
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.messages.asked.first().text,
             QStringLiteral("Si desidera aggiungere «ROSSI MARIO» all'archivio dei Beneficiari?"));
    QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("ROSSI MARIO\r\n"));
    QVERIFY(!w.state.PrintCancelled);

    QCOMPARE(w.bytes("Quendra.ini"),
             QByteArray("Castelrovo\r\n 2,3 \r\n 13,5 \r\n 285 \r\n 1425 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                        " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 1 \r\n"
                        "000123456\r\n 2700 \r\n 2250 \r\n"));
    QCOMPARE(w.printer.currentPrinter(), 0);
    QCOMPARE(w.printer.documentsEnded(), 1);
    QCOMPARE(w.printedTexts(), (QStringList{"  Castelrovo ", "5 dicembre 2026", "#1 5 0 0,", "5 0",
                                           "MILLECINQUECENTO / 50###", "ROSSI MARIO", " 000123456 "}));
    // The place: 1425 twips and 2,3 cm across, 285 twips and 13,5 cm down.
    const auto &place = w.printer.printed().first();
    QVERIFY(qAbs(place.x - 48.1354f) < 1e-3f);
    QVERIFY(qAbs(place.y - 140.0271f) < 1e-3f);
}

void TestStampaAssegno::newPayeeAnsweredNoStillPrints()
{
    Window w;
    QVERIFY(w.loaded);
    w.window.BENEFICIARIO->setEditText(QStringLiteral("VERDI ANNA"));
    w.messages.answers = {Answer::No};
    PrinterWindowAnswer answer(Qt::Key_Return);
    QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
    QVERIFY(answer.shown);
    QCOMPARE(w.messages.asked.size(), 1);
    QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("<missing>"));
    QCOMPARE(w.window.BENEFICIARIO->count(), 0);
    QCOMPARE(w.printedTexts(), (QStringList{"", "", "VERDI ANNA"}));
}

void TestStampaAssegno::cancelWritesAndPrintsNothing()
{
    Window w;
    QVERIFY(w.loaded);
    const QString ini = w.path("Quendra.ini");
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(QDate(2026, 3, 1), QTime(9, 0)), QFileDevice::FileModificationTime));
    }
    const QDateTime before = QFileInfo(ini).lastModified();
    w.window.LUOGO->setText(QStringLiteral("Castelrovo"));
    w.window.BENEFICIARIO->setEditText(QStringLiteral("NERI PAOLO"));
    w.messages.answers = {Answer::Yes};
    PrinterWindowAnswer answer(Qt::Key_Escape);
    QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
    QVERIFY(answer.shown);
    QVERIFY(w.state.PrintCancelled);
    QCOMPARE(w.bytes("Quendra.ini"), DefaultLayout);
    QCOMPARE(QFileInfo(ini).lastModified(), before);
    QVERIFY(w.printer.printed().isEmpty());
    QCOMPARE(w.printer.documentsEnded(), 0);
    // The payee stored before the printer was chosen stays stored.
    QCOMPARE(w.bytes("Beneficiari.ini"), QByteArray("NERI PAOLO\r\n"));
}

void TestStampaAssegno::bankWithoutLayoutFilePrintsWhatIsHeld()
{
    Window w;
    QVERIFY(w.loaded);
    w.state.IDbanca = 12;
    w.window.NumCC->setText(QStringLiteral("CC 99"));
    PrinterWindowAnswer answer(Qt::Key_Return);
    QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
    QVERIFY(answer.shown);
    // Nothing was read since start, so the layout is all zeros and the new
    // file says so; the default file is left alone.
    QCOMPARE(w.bytes("Quendra12.ini"),
             QByteArray("\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                        " 0 \r\n 0 \r\n 0 \r\n 0 \r\nCC 99\r\n 0 \r\n 0 \r\n"));
    QCOMPARE(w.bytes("Quendra.ini"), DefaultLayout);
    QCOMPARE(w.printedTexts(), (QStringList{"", "", "", "CC 99"}));
    const auto &account = w.printer.printed().last();
    QCOMPARE(account.x, 0.0f);
    QCOMPARE(account.y, 0.0f);
    QCOMPARE(account.fontSize, 11.0f);
}

void TestStampaAssegno::secondPrintRemembersTheSecondPlace()
{
    Window w;
    QVERIFY(w.loaded);
    for (const char *place : {"Roma", "Milano"}) {
        w.window.LUOGO->setText(QLatin1String(place));
        PrinterWindowAnswer answer(Qt::Key_Return);
        QTest::mouseClick(w.window.StampaAssegno, Qt::LeftButton);
        QVERIFY(answer.shown);
    }
    QVERIFY(w.bytes("Quendra.ini").startsWith("Milano\r\n 2,3 \r\n"));
    QCOMPARE(w.printer.documentsEnded(), 2);
}

QTEST_MAIN(TestStampaAssegno)
#include "tst_stampaassegno.moc"
