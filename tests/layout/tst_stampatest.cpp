#define QTEST_QPA_MOUSE_HANDLING

#include "chequeprint.h"
#include "defaultlayout.h"
#include "fakemessageboxes.h"
#include "frmdesign.h"
#include "layoutfile.h"
#include "pdfwords.h"
#include "qtprintdevice.h"
#include "recordingprintdevice.h"
#include "testprint.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

/// Presses StampaTest and closes the printer window as soon as it is up,
/// with \a key, or with the close box when \a key is 0.
void pressStampaTest(frmDesign &w, int key)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->windowTitle() == QLatin1String("Selezione Stampante")) {
            poll.stop();
            if (key)
                QTest::keyClick(modal, Qt::Key(key));
            else
                modal->close();
        }
    });
    poll.start();
    w.StampaTest->click();
}

/// The start of the word \a text nearest to \a near, in mm.
QPointF startOf(const QList<PdfWord> &words, const QString &text, QPointF near)
{
    QPointF best(-1000, -1000);
    for (const PdfWord &w : words) {
        if (w.text == text && QLineF(w.box.topLeft(), near).length() < QLineF(best, near).length())
            best = w.box.topLeft();
    }
    return best;
}

} // namespace

class tst_StampaTest : public QObject
{
    Q_OBJECT

private slots:
    void annullaPrintsNothing();
    void sameSpotTwoRoads();
};

void tst_StampaTest::annullaPrintsNothing()
{
    QTemporaryDir dir;
    FakeMessageBoxes messages;
    RecordingPrintDevice printer;
    printer.setPrinters({"Ufficio"});
    frmDesign w(dir.path(), 0, "Banca Rossi", "000123", messages, printer);
    pressStampaTest(w, Qt::Key_Escape);
    QVERIFY(printer.printed().isEmpty());
    QCOMPARE(printer.documentsEnded(), 0);
    QVERIFY(messages.asked.isEmpty());
}

void tst_StampaTest::sameSpotTwoRoads()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be measured");
    QTemporaryDir dir;
    if (QFile f(dir.filePath("Quendra.ini")); f.open(QIODevice::WriteOnly))
        f.write(DefaultLayoutBytes);
    const QString testPdf = dir.filePath("test.pdf");
    FakeMessageBoxes messages;
    {
        QtPrintDevice printer(testPdf);
        frmDesign w(dir.path(), 0, "Banca Rossi", "000123", messages, printer);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (auto [label, by] : {std::pair{w.BENEFICIARIO, QPoint(20, 10)}, {w.IMPORTO_DEC, QPoint(20, 0)}}) {
            const QPoint press = label->mapTo(&w, QPoint(4, 4));
            QTest::mousePress(label, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 4));
            QTest::mouseMove(&w, press + by);
            QTest::mouseRelease(&w, Qt::LeftButton, {}, press + by);
        }
        // The PDF device lists no printer: the close box prints all the same.
        pressStampaTest(w, 0);
        messages.answers = {MessageBoxes::Answer::Yes};
        w.SalvaPos->click();
    }
    QVERIFY(messages.asked.size() == 1);

    ChequeLayout saved;
    QString place, account;
    QVERIFY(LayoutFile::LoadLayout(dir.filePath("Quendra.ini"), saved, place, account));
    const QString date = ShortDate(QDate::currentDate());
    const QString chequePdf = dir.filePath("cheque.pdf");
    {
        QtPrintDevice printer(chequePdf);
        QVERIFY(PrintChequePage(printer, saved, {"Castelrovo", date, "1500", "MILLECINQUECENTO/00", "BRENTOLA SNC", "000123"}));
    }

    // Each field's start by hand: Left, Top twips x 25,4 / 1440 + 23 and
    // + 135 mm. The figures start 32 mm less the 14,02 mm of "1 5 0 0" at
    // 13 pt right of theirs, the "#" of the cheque included.
    struct Field { const char *name; QString test, cheque; QPointF at; };
    const Field fields[] = {
        {"place 1425, 285", "Castelrovo", "Castelrovo", {48.1354, 140.0271}},
        {"date 4230, 270", date.section(' ', 0, 0), date.section(' ', 0, 0), {97.6125, 139.7625}},
        {"figures 6015, 270", "1", "#1", {147.0731, 139.7625}},
        {"decimals 8070 + 300, 270", "0", "0", {170.6375, 139.7625}},
        {"words 2100, 1740", "MILLECINQUECENTO/00", "MILLECINQUECENTO/00###", {60.0417, 165.6917}},
        {"payee 2250 + 300, 2235 + 150", "BRENTOLA", "BRENTOLA", {67.9792, 177.0688}},
        {"account 2250, 2700", "(numero", "000123", {62.6875, 182.6250}},
    };
    const QList<PdfWord> testWords = readPdfWords(testPdf);
    const QList<PdfWord> chequeWords = readPdfWords(chequePdf);
    for (const Field &f : fields) {
        const QPointF onTest = startOf(testWords, f.test, f.at);
        const QPointF onCheque = startOf(chequeWords, f.cheque, f.at);
        const QString where = QStringLiteral("%1: test %2, %3; cheque %4, %5")
                                  .arg(f.name).arg(onTest.x()).arg(onTest.y()).arg(onCheque.x()).arg(onCheque.y());
        QVERIFY2(QLineF(onTest, f.at).length() < 0.1 && QLineF(onCheque, f.at).length() < 0.1
                     && QLineF(onTest, onCheque).length() < 0.1,
                 qPrintable(where));
    }
}

QTEST_MAIN(tst_StampaTest)
#include "tst_stampatest.moc"
