#include "appstate.h"
#include "fakemessageboxes.h"
#include "frminput.h"
#include "recordingprintdevice.h"
#include "layoutfile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QClipboard>
#include <QSignalSpy>
#include <QTimer>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesUnder(const QString &root)
{
    QStringList all;
    QDir dir(root);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        all.append(info.fileName());
        if (info.isDir())
            for (const QString &sub : filesUnder(info.filePath()))
                all.append(info.fileName() + QLatin1Char('/') + sub);
    }
    return all;
}

bool isYellow(QWidget *w)
{
    return w->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

} // namespace

class TestFrmInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlGeometry_data();
    void controlGeometry();
    void windowAndCaptions();
    void firstStartWritesDefaultLayout();
    void secondStartWritesNothing();
    void uncreatableDataFolderEndsStartup();
    void beneficiariesLoadedSkippingBlankLines();
    void focusHighlight();
    void tabOrder();
    void bancaRefusesTyping();
    void amountTypedWithWords();
    void amountKeysRefused_data();
    void amountKeysRefused();
    void unconvertibleAmountHasNoWords_data();
    void unconvertibleAmountHasNoWords();
    void enterWalksTheFields();
    void beneficiaryCompletesFromList();
};

void TestFrmInput::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Twips of the design divided by 15 twips per pixel, worked out by hand.
    QTest::newRow("LUOGO") << "LUOGO" << QRect(81, 6, 148, 24);
    QTest::newRow("GGMMAAAA") << "GGMMAAAA" << QRect(282, 6, 79, 24);
    QTest::newRow("IMPORTO") << "IMPORTO" << QRect(417, 6, 80, 24);
    QTest::newRow("IMPORTO_ABC") << "IMPORTO_ABC" << QRect(81, 36, 417, 24);
    QTest::newRow("BENEFICIARIO") << "BENEFICIARIO" << QRect(81, 66, 325, 24);
    QTest::newRow("BANCA") << "BANCA" << QRect(81, 96, 286, 24);
    QTest::newRow("NumCC") << "NumCC" << QRect(401, 96, 97, 24);
    QTest::newRow("Label3") << "Label3" << QRect(8, 9, 61, 19);
    QTest::newRow("Label4") << "Label4" << QRect(252, 9, 31, 19);
    QTest::newRow("Label2") << "Label2" << QRect(387, 9, 40, 19);
    QTest::newRow("ETABC") << "ETABC" << QRect(8, 39, 61, 19);
    QTest::newRow("Label1") << "Label1" << QRect(8, 70, 79, 16);
    QTest::newRow("Label7") << "Label7" << QRect(9, 100, 79, 16);
    QTest::newRow("Label5") << "Label5" << QRect(375, 99, 28, 19);
    QTest::newRow("AddBEN") << "AddBEN" << QRect(414, 66, 37, 25);
    QTest::newRow("DelBEN") << "DelBEN" << QRect(459, 66, 37, 25);
    QTest::newRow("StampaAssegno") << "StampaAssegno" << QRect(414, 126, 84, 34);
    QTest::newRow("Calibrazione") << "Calibrazione" << QRect(414, 165, 84, 22);
    QTest::newRow("brLOGO") << "brLOGO" << QRect(7, 126, 399, 61);
    QTest::newRow("brRecapiti in brLOGO") << "brRecapiti" << QRect(240, 12, 133, 27);
    QTest::newRow("brURL in brLOGO") << "brURL" << QRect(240, 39, 161, 17);
    QTest::newRow("Frame1") << "Frame1" << QRect(6, 192, 493, 43);
    QTest::newRow("TxtSpot in Frame1") << "TxtSpot" << QRect(3, 18, 486, 17);
    QTest::newRow("Frame2") << "Frame2" << QRect(6, 198, 494, 2);
}

void TestFrmInput::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    QTemporaryDir dir;
    FrmInput window(state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer);
    auto control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void TestFrmInput::windowAndCaptions()
{
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    QTemporaryDir dir;
    FrmInput window(state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer);
    QCOMPARE(window.windowTitle(), QStringLiteral("Brentola - Quendra"));
    QCOMPARE(window.minimumSize(), QSize(506, 240));
    QCOMPARE(window.maximumSize(), QSize(506, 240));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

    QCOMPARE(window.Label3->text(), QStringLiteral("Luogo"));
    QCOMPARE(window.Label4->text(), QStringLiteral("Data"));
    QCOMPARE(window.Label2->text(), QStringLiteral("€uro"));
    QCOMPARE(window.ETABC->text(), QStringLiteral("€ (lettere)"));
    QCOMPARE(window.Label1->text(), QStringLiteral("Beneficiario"));
    QCOMPARE(window.Label7->text(), QStringLiteral("Banca"));
    QCOMPARE(window.Label5->text(), QStringLiteral(" c/c"));
    QCOMPARE(window.AddBEN->text(), QStringLiteral("+"));
    QCOMPARE(window.AddBEN->toolTip(), QStringLiteral("Aggiungi Beneficiario alla lista"));
    QVERIFY(window.DelBEN->text().isEmpty());
    QVERIFY(!window.DelBEN->icon().isNull());
    QCOMPARE(window.DelBEN->toolTip(), QStringLiteral("Cancella Beneficiario dalla lista"));
    QVERIFY(window.StampaAssegno->text().isEmpty());
    QVERIFY(!window.StampaAssegno->icon().isNull());
    QCOMPARE(window.StampaAssegno->toolTip(), QStringLiteral("Stampa l'Assegno"));
    QCOMPARE(window.Calibrazione->text(), QStringLiteral("CALIBRAZIONE"));
    QCOMPARE(window.Calibrazione->toolTip(), QStringLiteral("Modifica le coordinate di stampa..."));

    QCOMPARE(window.LUOGO->font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.LUOGO->font().pointSizeF(), 9.75);
    QVERIFY(window.LUOGO->font().bold());
    QCOMPARE(window.Label1->font().pointSizeF(), 9.0);
    QCOMPARE(window.AddBEN->font().pointSizeF(), 15.75);
    QCOMPARE(window.Calibrazione->font().pointSizeF(), 6.75);
    QVERIFY(!window.Calibrazione->font().bold());
    QCOMPARE(window.TxtSpot->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(window.brURL->font().family(), QStringLiteral("Tahoma"));

    QCOMPARE(window.IMPORTO->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(window.IMPORTO_ABC->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(window.BENEFICIARIO->lineEdit()->palette().color(QPalette::Text), QColor(192, 0, 0));
    QCOMPARE(window.BANCA->palette().color(QPalette::ButtonText), QColor(192, 0, 0));
    QCOMPARE(window.brURL->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    for (QWidget *w : {static_cast<QWidget *>(window.AddBEN), static_cast<QWidget *>(window.DelBEN),
                       static_cast<QWidget *>(window.StampaAssegno), static_cast<QWidget *>(window.Calibrazione),
                       static_cast<QWidget *>(window.TxtSpot), static_cast<QWidget *>(window.brURL)})
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(window.BENEFICIARIO->isEditable());
    QVERIFY(!window.BANCA->isEditable());
    QCOMPARE(window.Timer1->interval(), 120);
}

void TestFrmInput::firstStartWritesDefaultLayout()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Quendra"));
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, folder, messages, urls, printer);
    QVERIFY(window.load());

    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(state.DataFolder, folder);
    QCOMPARE(state.IDbanca, 0);
    QCOMPARE(filesUnder(dir.path()), (QStringList{"Quendra", "Quendra/Quendra.ini"}));
    QCOMPARE(readAll(folder + QLatin1String("/Quendra.ini")),
             QByteArray("\r\n2,3\r\n13,5\r\n285\r\n1425\r\n270\r\n4230\r\n270\r\n6015\r\n270\r\n8070\r\n"
                        "1740\r\n2100\r\n2235\r\n2250\r\n1\r\n\r\n2700\r\n2250\r\n"));
    // Writing the default file does not read it: the record stays as it was.
    QVERIFY(state.layout == ChequeLayout());
    QCOMPARE(window.BENEFICIARIO->count(), 0);
    QCOMPARE(window.BANCA->count(), 0);
    QVERIFY(window.NumCC->text().isEmpty());
    QVERIFY(window.LUOGO->text().isEmpty());
}

void TestFrmInput::secondStartWritesNothing()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Quendra"));
    QVERIFY(QDir().mkpath(folder));
    const QByteArray layout = "Castelrovo\r\n 2,5 \r\n 12 \r\n 300 \r\n 1400 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                              " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 0 \r\n"
                              "000123\r\n 2700 \r\n 2250 \r\n";
    const QString ini = folder + QLatin1String("/Quendra.ini");
    writeFile(ini, layout);
    writeFile(folder + QLatin1String("/Beneficiari.ini"), "ROSSI MARIO\r\n");
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime(QDate(2026, 1, 2), QTime(10, 0)), QFileDevice::FileModificationTime));
    }
    const QDateTime before = QFileInfo(ini).lastModified();

    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, folder, messages, urls, printer);
    QVERIFY(window.load());

    QCOMPARE(readAll(ini), layout);
    QCOMPARE(QFileInfo(ini).lastModified(), before);
    QCOMPARE(filesUnder(dir.path()), (QStringList{"Quendra", "Quendra/Beneficiari.ini", "Quendra/Quendra.ini"}));
    // The layout is read, but the remembered place does not fill the field
    // and the account number follows the bank selection, not the file.
    QCOMPARE(state.layout.SXmargin, 2.5f);
    QCOMPARE(state.layout.LUOGO.top, 300.0f);
    QCOMPARE(state.layout.PrintComma, qint16(0));
    QVERIFY(window.LUOGO->text().isEmpty());
    QVERIFY(window.NumCC->text().isEmpty());
}

void TestFrmInput::uncreatableDataFolderEndsStartup()
{
    QTemporaryDir dir;
    // A plain file where a parent folder should be: no one, root included,
    // can create the data folder below it.
    writeFile(dir.filePath(QStringLiteral("share")), "not a folder");
    const QStringList before = filesUnder(dir.path());

    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, dir.filePath(QStringLiteral("share/Quendra")), messages, urls, printer);
    QVERIFY(!window.load());

    QCOMPARE(messages.asked.size(), 1);
    const auto &box = messages.asked.first();
    QCOMPARE(box.text, QStringLiteral("Errore durante il salvataggio delle impostazioni."));
    QCOMPARE(box.title, QStringLiteral("Quendra"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Critical);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(filesUnder(dir.path()), before);
    QCOMPARE(readAll(dir.filePath(QStringLiteral("share"))), QByteArray("not a folder"));
    QVERIFY(state.DataFolder.isEmpty());
}

void TestFrmInput::beneficiariesLoadedSkippingBlankLines()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Quendra"));
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + QLatin1String("/Beneficiari.ini"),
              "ROSSI MARIO\r\n\r\n   \r\n BIANCHI LUCA\r\nCitt\xe0 di Castelrovo\nVERDI ANNA");

    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, folder, messages, urls, printer);
    QVERIFY(window.load());
    QStringList items;
    for (int i = 0; i < window.BENEFICIARIO->count(); ++i)
        items.append(window.BENEFICIARIO->itemText(i));
    QCOMPARE(items, (QStringList{"ROSSI MARIO", " BIANCHI LUCA", "Città di Castelrovo", "VERDI ANNA"}));
    QVERIFY(window.BENEFICIARIO->currentText().isEmpty());
}

void TestFrmInput::focusHighlight()
{
    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer);
    QVERIFY(window.load());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTRY_COMPARE(QApplication::focusWidget(), window.LUOGO);
    QVERIFY(isYellow(window.LUOGO));

    window.IMPORTO->setFocus();
    QTRY_VERIFY(isYellow(window.IMPORTO));
    QVERIFY(!isYellow(window.LUOGO));

    window.BENEFICIARIO->setFocus();
    QTRY_VERIFY(isYellow(window.BENEFICIARIO));
    QVERIFY(isYellow(window.BENEFICIARIO->lineEdit()));
    QVERIFY(!isYellow(window.IMPORTO));

    window.StampaAssegno->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), window.StampaAssegno);
    const QList<QWidget *> fields = {window.LUOGO, window.GGMMAAAA, window.IMPORTO, window.IMPORTO_ABC,
                                     window.BENEFICIARIO, window.BANCA, window.NumCC};
    for (QWidget *field : fields)
        QVERIFY2(!isYellow(field), qPrintable(field->objectName()));

    window.BANCA->setFocus();
    QTRY_VERIFY(isYellow(window.BANCA));
    QCOMPARE(window.BANCA->palette().color(QPalette::Button), QColor(255, 255, 0));
}

void TestFrmInput::tabOrder()
{
    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer);
    QVERIFY(window.load());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), window.LUOGO);

    const QStringList expected = {"GGMMAAAA", "IMPORTO", "IMPORTO_ABC", "BENEFICIARIO", "BANCA",
                                  "NumCC", "StampaAssegno", "Calibrazione", "AddBEN", "DelBEN", "LUOGO"};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->parentWidget() == window.BENEFICIARIO)
            focus = window.BENEFICIARIO;
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), name);
    }
}

void TestFrmInput::bancaRefusesTyping()
{
    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window(state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer);
    QVERIFY(window.load());
    window.BANCA->addItem(QStringLiteral("Banca Alfa / 111"), 1);
    window.BANCA->addItem(QStringLiteral("Banca Beta / 222"), 2);
    window.BANCA->setCurrentIndex(0);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.BANCA->setFocus();
    // Typing the first letter of another bank must not pick it.
    QTest::keyClicks(window.BANCA, QStringLiteral("B Beta"));
    QCOMPARE(window.BANCA->currentIndex(), 0);
    QTest::keyClick(window.BANCA, Qt::Key_Down);
    QCOMPARE(window.BANCA->currentIndex(), 1);
}

// A shown window with its data folder in a temporary directory.
struct ShownWindow
{
    QTemporaryDir dir;
    AppState state;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    RecordingPrintDevice printer;
    FrmInput window{state, dir.filePath(QStringLiteral("Quendra")), messages, urls, printer};

    bool show()
    {
        if (!window.load())
            return false;
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
};

void TestFrmInput::amountTypedWithWords()
{
    ShownWindow w;
    QVERIFY(w.show());
    w.window.IMPORTO->setFocus();
    QSignalSpy rewrites(w.window.IMPORTO_ABC, &QLineEdit::textChanged);

    const QList<QPair<char, QString>> steps = {
        {'1', "UNO / 00"}, {'2', "DODICI / 00"}, {'.', "DODICI / 00"},
        {'5', "DODICI / 50"}, {'0', "DODICI / 50"},
    };
    for (const auto &[key, words] : steps) {
        const auto before = rewrites.count();
        QTest::keyClick(w.window.IMPORTO, key);
        QCOMPARE(w.window.IMPORTO_ABC->text(), words);
        QVERIFY2(rewrites.count() > before, "the words are rewritten at every keystroke");
    }
    QCOMPARE(w.window.IMPORTO->text(), QStringLiteral("12,50"));

    QTest::keyClick(w.window.IMPORTO, Qt::Key_Backspace);
    QCOMPARE(w.window.IMPORTO->text(), QStringLiteral("12,5"));
    QTest::keyClick(w.window.IMPORTO, Qt::Key_Home);
    QTest::keyClick(w.window.IMPORTO, Qt::Key_Delete);
    QCOMPARE(w.window.IMPORTO->text(), QStringLiteral("2,5"));
    QCOMPARE(w.window.IMPORTO_ABC->text(), QStringLiteral("DUE / 50"));
    w.window.IMPORTO->selectAll();
    QTest::keyClick(w.window.IMPORTO, Qt::Key_Backspace);
    QVERIFY(w.window.IMPORTO->text().isEmpty());
    QVERIFY(w.window.IMPORTO_ABC->text().isEmpty());
}

void TestFrmInput::amountKeysRefused_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    const int none = Qt::NoModifier;
    QTest::newRow("second comma") << "12,5" << int(Qt::Key_Comma) << none << "12,5";
    QTest::newRow("full stop after a comma") << "12,5" << int(Qt::Key_Period) << none << "12,5";
    QTest::newRow("letter") << "12" << int(Qt::Key_A) << none << "12";
    QTest::newRow("space") << "12" << int(Qt::Key_Space) << none << "12";
    QTest::newRow("minus") << "12" << int(Qt::Key_Minus) << none << "12";
    QTest::newRow("plus") << "12" << int(Qt::Key_Plus) << none << "12";
    QTest::newRow("paste shortcut") << "12" << int(Qt::Key_V) << int(Qt::ControlModifier) << "12";
    QTest::newRow("first comma accepted") << "12" << int(Qt::Key_Comma) << none << "12,";
    QTest::newRow("full stop becomes comma") << "12" << int(Qt::Key_Period) << none << "12,";
    QTest::newRow("comma may come first") << "" << int(Qt::Key_Comma) << none << ",";
}

void TestFrmInput::amountKeysRefused()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    ShownWindow w;
    QVERIFY(w.show());
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    w.window.IMPORTO->setFocus();
    w.window.IMPORTO->setText(start);
    QTest::keyClick(w.window.IMPORTO, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.window.IMPORTO->text(), after);
}

void TestFrmInput::unconvertibleAmountHasNoWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lone comma") << ",";
    QTest::newRow("pasted letters") << "12abc";
    QTest::newRow("more digits than an amount holds") << "99999999999999999999";
    QTest::newRow("a thousand billions has no name") << "1000000000000";
}

void TestFrmInput::unconvertibleAmountHasNoWords()
{
    QFETCH(QString, text);
    ShownWindow w;
    QVERIFY(w.show());
    w.window.IMPORTO->setText(QStringLiteral("5"));
    QCOMPARE(w.window.IMPORTO_ABC->text(), QStringLiteral("CINQUE / 00"));
    w.window.IMPORTO->setText(text);
    QVERIFY(w.window.IMPORTO_ABC->text().isEmpty());
}

void TestFrmInput::enterWalksTheFields()
{
    ShownWindow w;
    QVERIFY(w.show());
    FrmInput &f = w.window;
    QTRY_COMPARE(QApplication::focusWidget(), f.LUOGO);
    QTest::keyClicks(f.LUOGO, QStringLiteral("Castelrovo"));
    QTest::keyClick(f.LUOGO, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.GGMMAAAA);
    QVERIFY(isYellow(f.GGMMAAAA));
    QVERIFY(!isYellow(f.LUOGO));
    QTest::keyClicks(f.GGMMAAAA, QStringLiteral("05/12/2026"));
    QTest::keyClick(f.GGMMAAAA, Qt::Key_Enter, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), f.IMPORTO);
    QVERIFY(isYellow(f.IMPORTO));
    QVERIFY(!isYellow(f.GGMMAAAA));
    QTest::keyClicks(f.IMPORTO, QStringLiteral("1500"));
    QTest::keyClick(f.IMPORTO, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(f.BENEFICIARIO->hasFocus() || f.BENEFICIARIO->lineEdit()->hasFocus());
    QVERIFY(isYellow(f.BENEFICIARIO));
    QVERIFY(!isYellow(f.IMPORTO));
    QCOMPARE(f.LUOGO->text(), QStringLiteral("Castelrovo"));
    QCOMPARE(f.GGMMAAAA->text(), QStringLiteral("05/12/2026"));
    QCOMPARE(f.IMPORTO->text(), QStringLiteral("1500"));
    QCOMPARE(f.IMPORTO_ABC->text(), QStringLiteral("MILLECINQUECENTO / 00"));
}

void TestFrmInput::beneficiaryCompletesFromList()
{
    ShownWindow w;
    QVERIFY(QDir().mkpath(w.dir.filePath(QStringLiteral("Quendra"))));
    writeFile(w.dir.filePath(QStringLiteral("Quendra/Beneficiari.ini")), "ROSSI MARIO\r\nROSSINI LUCA\r\n");
    QVERIFY(w.show());
    QComboBox *b = w.window.BENEFICIARIO;
    b->setFocus();
    QTest::keyClicks(b, QStringLiteral("rossin"));
    QCOMPARE(b->currentText(), QStringLiteral("ROSSINI LUCA"));
    QCOMPARE(b->lineEdit()->selectedText(), QStringLiteral("I LUCA"));
    QTest::keyClick(b, Qt::Key_Return);
    QCOMPARE(b->currentText(), QStringLiteral("ROSSINI LUCA"));
    QCOMPARE(b->count(), 2);
}

QTEST_MAIN(TestFrmInput)
#include "tst_frminput.moc"
