#include "defaultlayout.h"
#include "fakemessageboxes.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "frmbanche.h"
#include "frmnewbanca.h"
#include "recordingprintdevice.h"
#include "uclinkedlist.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

using Answer = MessageBoxes::Answer;

namespace {

const QString Blanks(100, QLatin1Char(' '));

// Answers the next modal window the program opens: the new bank dialog
// gets its two fields typed and SALVA (ESCI when SALVA refused them), the
// calibration window is closed as it stands.
void answerNextWindow(QObject *owner, const QString &name, const QString &account)
{
    auto *poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<frmNewBanca *>(modal)) {
            poll->deleteLater();
            QTest::keyClicks(dialog->NomeBanca, name);
            QTest::keyClicks(dialog->NumCC, account);
            dialog->Salva->click();
            if (dialog->isVisible())
                dialog->Uscita->click();
        } else if (modal && modal->objectName() == QLatin1String("frmDesign")) {
            poll->deleteLater();
            modal->close();
        }
    });
    poll->start();
}

} // namespace

class TestFrmBanche : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttons_data()
    {
        QTest::addColumn<QString>("archive"); // lines, before
        QTest::addColumn<int>("current");     // IDbanca at opening
        // Steps, each ended by ";". NAME=text puts a file in the folder before
        // the window opens (no text: takes it away), NAME==text is what it
        // holds once the window has closed, "full" stops files at 150 bytes.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("asked"); // %1: the data folder
        QTest::addColumn<QString>("after");   // lines, after closing
        QTest::addColumn<int>("idAfter");

        const QString three = "A" + Blanks + "3|1\nB" + Blanks + "12|2\nC" + Blanks + "5|3\n";
        QTest::newRow("opens on the current bank; the next id follows the highest")
            << three << 12 << "add:NUOVA:999;del;" << QList<Answer>{Answer::Yes}
            << QStringList{"Si desidera realmente Cancellare «B» ?"}
            << "A" + Blanks + "3|1\nC" + Blanks + "5|3\nNUOVA" + Blanks + "13|999\n" << 12;
        QTest::newRow("deleting row 0 selects the new row 0, then No keeps it")
            << three << 3 << "del;del;" << QList<Answer>{Answer::Yes, Answer::No}
            << QStringList{"Si desidera realmente Cancellare «A» ?", "Si desidera realmente Cancellare «B» ?"}
            << "B" + Blanks + "12|2\nC" + Blanks + "5|3\n" << 3;
        QTest::newRow("deleting the only bank leaves an empty file")
            << "A" + Blanks + "3|1\n" << 3 << "del;del;" << QList<Answer>{Answer::Yes}
            << QStringList{"Si desidera realmente Cancellare «A» ?"} << QString() << 3;
        QTest::newRow("a bar or a blank name is refused")
            << QString() << 0 << "add:ab|cd:1;add:  :1;add:Alfa:1|2;" << QList<Answer>{}
            << QStringList{"Il nome della Banca «ab|cd» contiene caratteri che l'archivio delle Banche non può "
                           "conservare (|): occorre toglierli per salvare la Banca.",
                           "Occorre inserire il nome della Banca.",
                           "Il numero di conto «1|2» contiene caratteri che l'archivio delle Banche non può "
                           "conservare (|): occorre toglierli per salvare la Banca."}
            << QString() << 0;
        QTest::newRow("calibration needs a selected bank")
            << three << 3 << "unselect;cal;" << QList<Answer>{} << QStringList{"Occorre selezionare la Banca."} << three << 3;
        QTest::newRow("calibration of an empty list offers a new bank")
            << QString() << 0 << "cal:Alfa:9;" << QList<Answer>{} << QStringList{"Occorre creare una nuova Banca."}
            << "Alfa" + Blanks + "1|9\n" << 0;
        QTest::newRow("calibration sets the current bank, upper-cased")
            << "Banca Alfa" + Blanks + "7|ab12\n" << 0 << "cal;Quendra7.ini==default layout\n;" << QList<Answer>{}
            << QStringList{} << "Banca Alfa" + Blanks + "7|ab12\n" << 7;
        QTest::newRow("deleted banks keep their files and their ids; Windows names")
            << QString() << 4 << "Banche.ini=;BANCHE.INI=A" + Blanks + "3|1\nB" + Blanks + "4|2\n;QUENDRA3.INI=mio;"
                                 "Quendra4.ini=B;quendra5.PNG=x;QUENDRA06.INI.bak=x;Quendra7=x;Quendra7x.ini=x;"
                                 "del;add:NUOVA:9;cal;Quendra3.ini==<missing>;Quendra4.ini==B;quendra5.PNG==x;"
            << QList<Answer>{Answer::Yes} << QStringList{"Si desidera realmente Cancellare «B» ?"}
            << "A" + Blanks + "3|1\nNUOVA" + Blanks + "7|9\n" << 3;
        QTest::newRow("an id past five digits is refused; no default layout file: the built-in one")
            << "D" + Blanks + "99999|4\n" << 0
            << "Quendra.ini=;add:NUOVA:1;cal;Quendra99999.ini==" + QString(DefaultLayoutBytes).remove('\r') + ';'
            << QList<Answer>{}
            << QStringList{"Impossibile aggiungere la Banca: l'archivio delle Banche conserva numeri di Banca fino a 99999 "
                           "(5 cifre) e il prossimo numero libero sarebbe 100000."}
            << "D" + Blanks + "99999|4\n" << 99999;
        QTest::newRow("a copy of the default layout that fails is told")
            << "Banca Alfa" + Blanks + "7|ab12\n" << 0 << "Quendra.ini=" + QString(200, 'x') + ";full;cal;Quendra7.ini==<missing>;"
            << QList<Answer>{}
            << QStringList{"Il file «%1/Quendra7.ini» non è stato salvato: il file supera la dimensione concessa."}
            << "Banca Alfa" + Blanks + "7|ab12\n" << 7;
    }

    void buttons()
    {
        QFETCH(QString, archive);
        QFETCH(int, current);
        QFETCH(QString, script);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QString, after);
        QFETCH(int, idAfter);

        QTemporaryDir dir;
        QVERIFY(putBytes(dir.filePath("Banche.ini"), archive.toLatin1().replace("\n", "\r\n")));
        QVERIFY(putBytes(dir.filePath("Quendra.ini"), "default layout\r\n"));
        auto file = [&](const QString &step, const char *sign) { return dir.filePath(step.section(sign, 0, 0)); };
        auto text = [](const QString &step) { return step.section('=', -1).toLatin1().replace("\n", "\r\n"); };
        for (const QString &step : script.split(QLatin1Char(';')))
            if (step.contains('=') && !step.contains("=="))
                QVERIFY(step.endsWith('=') ? QFile::remove(file(step, "=")) : putBytes(file(step, "="), text(step)));
        qint32 id = current;
        QString bankName, account;
        FakeMessageBoxes messages;
        messages.answers = answers;
        RecordingPrintDevice printer;
        QWidget mainWindow;
        {
            std::optional<FileSizeLimit> full;
            FrmBanche banks(dir.path(), id, bankName, account, messages, printer, &mainWindow);
            banks.show();
            for (const QString &step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                const QStringList parts = step.split(QLatin1Char(':'));
                // A calibration always opens a window; "add" only names the bank it adds.
                if (parts.size() == 3 || parts.at(0) == QLatin1String("cal"))
                    answerNextWindow(&banks, parts.value(1), parts.value(2));
                if (parts.at(0) == QLatin1String("add"))
                    banks.AddBAN->click();
                else if (parts.at(0) == QLatin1String("del"))
                    banks.DelBAN->click();
                else if (parts.at(0) == QLatin1String("unselect"))
                    banks.lstbanche->setListIndex(-1);
                else if (parts.at(0) == QLatin1String("cal"))
                    banks.Calibrazione->click();
                else if (parts.at(0) == QLatin1String("full"))
                    full.emplace(150);
            }
            if (banks.isVisible())
                banks.Uscita->click();
            QVERIFY(mainWindow.isVisible());
        }
        QStringList texts;
        for (const auto &request : std::as_const(messages.asked))
            texts.append(request.text);
        QCOMPARE(texts, asked.replaceInStrings("%1", dir.path()));
        QCOMPARE(bytesIn(dir.filePath("Banche.ini")), after.toLatin1().replace("\n", "\r\n"));
        QCOMPARE(id, idAfter);
        for (const QString &step : script.split(QLatin1Char(';')))
            if (step.contains("=="))
                QCOMPARE(bytesIn(file(step, "==")), text(step));
        if (idAfter == 7) {
            QCOMPARE(bankName, QStringLiteral("BANCA ALFA"));
            QCOMPARE(account, QStringLiteral("AB12"));
        }
    }

    void keepsWhatItCannotShow_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("step"); // none, "add" (NUOVA, 9) or "del" (the current bank, id 3)
        QTest::addColumn<QByteArray>("after");
        const QByteArray blanks = Blanks.toLatin1();
        const QByteArray a = "A" + blanks + "3|1", b = "B" + blanks + "4|2";
        const QByteArray tabbed = "Banca\tdi casa" + blanks + "5|77\r\n";
        QTest::newRow("a TAB inside a record, opened and closed")
            << tabbed + a + "\r\n" << QString() << tabbed + a + "\r\n";
        QTest::newRow("binary bytes, opened and closed")
            << QByteArray("\x00\xff\x81|\x01\r\r\n\x7f", 9) + a << QString() << QByteArray("\x00\xff\x81|\x01\r\r\n\x7f", 9) + a;
        QTest::newRow("a bank added after a line without a bar and a last line without its end")
            << "nota a mano\n" + a << "add" << "nota a mano\n" + a + "\r\nNUOVA" + blanks + "4|9\r\n";
        QTest::newRow("a bank deleted among binary bytes and a TAB")
            << QByteArray("\x00\x01\r\n", 4) + tabbed + a + "\n" + b + "\n" << "del"
            << QByteArray("\x00\x01\r\n", 4) + tabbed + b + "\n";
    }

    // The file is the user's: only a bank added or deleted is a reason to
    // write it, and then nothing else in it changes.
    void keepsWhatItCannotShow()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, step);
        QTemporaryDir dir;
        const QString archive = dir.filePath("Banche.ini");
        QVERIFY(putBytes(archive, before));
        const QDateTime written(QDate(2001, 2, 3), QTime(4, 5, 6));
        {
            QFile file(archive);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(written, QFileDevice::FileModificationTime));
        }
        qint32 id = 3;
        QString bankName, account;
        FakeMessageBoxes messages;
        messages.answers = {Answer::Yes};
        RecordingPrintDevice printer;
        FrmBanche banks(dir.path(), id, bankName, account, messages, printer);
        banks.show();
        if (step == "add") {
            answerNextWindow(&banks, "NUOVA", "9");
            banks.AddBAN->click();
        } else if (step == "del") {
            banks.DelBAN->click();
        }
        banks.Uscita->click();
        QVERIFY(!banks.isVisible());
        QTEST(bytesIn(archive), "after");
        if (step.isEmpty())
            QCOMPARE(QFileInfo(archive).lastModified(), written);
    }

    void failedSaveKeepsTheList_data()
    {
        QTest::addColumn<Answer>("leave"); // the answer to "leave without saving?"
        QTest::newRow("the user stays and retries with room on the disk") << Answer::No;
        QTest::newRow("the user leaves without the new bank") << Answer::Yes;
    }

    void failedSaveKeepsTheList()
    {
        QFETCH(Answer, leave);
        QTemporaryDir dir;
        const QString archive = dir.filePath("Banche.ini");
        const QByteArray before = "A" + Blanks.toLatin1() + "3|1\r\n";
        QVERIFY(putBytes(archive, before));
        qint32 id = 3;
        QString bankName, account;
        FakeMessageBoxes messages;
        messages.answers = {leave};
        RecordingPrintDevice printer;
        QWidget mainWindow;
        FrmBanche banks(dir.path(), id, bankName, account, messages, printer, &mainWindow);
        banks.show();
        answerNextWindow(&banks, "NUOVA", "9");
        banks.AddBAN->click();
        {
            FileSizeLimit full(50);
            banks.Uscita->click();
            QVERIFY(banks.isVisible());
            QCOMPARE(banks.lstbanche->ListCount(), 2);
            banks.Calibrazione->click();
            QCOMPARE(banks.isVisible(), leave == Answer::No);
        }
        QCOMPARE(messages.asked.size(), 3);
        QCOMPARE(messages.asked.at(0).text, "Il file «" + archive + "» non è stato salvato: il file supera la dimensione concessa.");
        QCOMPARE(messages.asked.at(2).title, QStringLiteral("ATTENZIONE"));
        QCOMPARE(messages.asked.at(2).defaultButton, Answer::No);
        QCOMPARE(id, 3); // nothing calibrated while the archive is not saved
        if (leave == Answer::No) {
            banks.Uscita->click();
            QVERIFY(!banks.isVisible());
            QVERIFY(mainWindow.isVisible());
            QCOMPARE(bytesIn(archive), before + "NUOVA" + Blanks.toLatin1() + "4|9\r\n");
        } else {
            QCOMPARE(bytesIn(archive), before);
        }
    }
};

QTEST_MAIN(TestFrmBanche)
#include "tst_frmbanche.moc"
