#include "windowfixture.h"

#include <QClipboard>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using Request = MessageBoxes::Request;

namespace {

QStringList filesUnder(const QString &root)
{
    QStringList all;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        all.append(QDir(root).relativeFilePath(it.next()));
    all.sort();
    return all;
}

bool isYellow(QWidget *w)
{
    return w->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class TestFrmInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlGeometry_data();
    void controlGeometry();
    void firstStart_data();
    void firstStart();
    void secondStartWritesNothing();
    void enterWalksFieldsWithHighlight();
    void tabOrder();
    void bancaRefusesTyping();
    void amountTypedWithWords();
    void amountKeys_data();
    void amountKeys();
};

void TestFrmInput::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Twips of the design divided by 15 twips per pixel, rounded, worked out by hand.
    QTest::newRow("LUOGO") << "LUOGO" << QRect(81, 6, 148, 24);
    QTest::newRow("GGMMAAAA") << "GGMMAAAA" << QRect(282, 6, 79, 24);
    QTest::newRow("IMPORTO") << "IMPORTO" << QRect(417, 6, 81, 24);
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
    QTest::newRow("AddBEN") << "AddBEN" << QRect(414, 66, 38, 25);
    QTest::newRow("DelBEN") << "DelBEN" << QRect(459, 66, 38, 25);
    QTest::newRow("StampaAssegno") << "StampaAssegno" << QRect(414, 126, 84, 34);
    QTest::newRow("Calibrazione") << "Calibrazione" << QRect(414, 165, 84, 22);
    QTest::newRow("brLOGO") << "brLOGO" << QRect(7, 126, 399, 61);
    QTest::newRow("brRecapiti in brLOGO") << "brRecapiti" << QRect(240, 12, 133, 27);
    QTest::newRow("brURL in brLOGO") << "brURL" << QRect(240, 39, 161, 17);
    QTest::newRow("Frame1") << "Frame1" << QRect(6, 192, 493, 43);
    QTest::newRow("TxtSpot in Frame1") << "TxtSpot" << QRect(3, 18, 487, 17);
    QTest::newRow("Frame2") << "Frame2" << QRect(6, 198, 494, 2);
    QTest::newRow("the window's client area") << "FrmInput" << QRect(0, 0, 506, 240);
}

void TestFrmInput::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    WindowFixture w;
    QWidget *control = name == QLatin1String("FrmInput") ? &w.window : w.window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(QRect(control == &w.window ? QPoint() : control->pos(), control->size()), pixels);
    QCOMPARE(control->minimumSize() == control->maximumSize(), control == &w.window);
}

void TestFrmInput::firstStart_data()
{
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<Request>>("asked");
    QTest::newRow("empty data location") << false << QStringList{"Quendra", "Quendra/Quendra.ini"}
                                         << QList<Request>{};
    // A plain file where the folder should be: no one, root included, can
    // create the data folder then.
    QTest::newRow("data folder cannot be created")
        << true << QStringList{"Quendra"}
        << QList<Request>{{"Errore durante il salvataggio delle impostazioni.", "Quendra",
                           MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok}};
}

void TestFrmInput::firstStart()
{
    QFETCH(bool, blocked);
    QFETCH(QStringList, files);
    QFETCH(QList<Request>, asked);
    WindowFixture w({}, false);
    if (blocked)
        QFile(w.folder()).open(QIODevice::WriteOnly);
    QCOMPARE(w.window.load(), !blocked);
    QCOMPARE(w.messages.asked, asked);
    QCOMPARE(filesUnder(w.dir.path()), files);
    QCOMPARE(w.state.DataFolder, blocked ? QString() : w.folder());
    if (!blocked) {
        QCOMPARE(w.bytes("Quendra.ini"), DefaultLayoutBytes);
        // Writing the default file does not read it: the record stays zero.
        QVERIFY(w.state.layout == ChequeLayout());
    }
}

void TestFrmInput::secondStartWritesNothing()
{
    const QByteArray layout = "Castelrovo\r\n 2,5 \r\n 12 \r\n 300 \r\n 1400 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                              " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 0 \r\n"
                              "000123\r\n 2700 \r\n 2250 \r\n";
    WindowFixture w(WindowFixture::Files{{"Quendra.ini", layout},
                     {"Beneficiari.ini", "ROSSI MARIO\r\n\r\n   \r\n BIANCHI LUCA\r\nCitt\xe0 di Castelrovo\nVERDI"}});
    const QDateTime written(QDate(2026, 1, 2), QTime(10, 0));
    setModified(w.path("Quendra.ini"), written);
    setModified(w.path("Beneficiari.ini"), written);
    QVERIFY(w.window.load());

    QCOMPARE(w.bytes("Quendra.ini"), layout);
    QCOMPARE(QFileInfo(w.path("Quendra.ini")).lastModified(), written);
    QCOMPARE(QFileInfo(w.path("Beneficiari.ini")).lastModified(), written);
    QCOMPARE(filesUnder(w.folder()), (QStringList{"Beneficiari.ini", "Quendra.ini"}));
    // The layout is read, but the remembered place does not fill the field
    // and the account number follows the bank selection, not the file.
    QCOMPARE(w.state.layout.SXmargin, 2.5f);
    QCOMPARE(w.state.layout.LUOGO.top, 300.0f);
    QCOMPARE(w.state.layout.PrintComma, qint16(0));
    QVERIFY(w.window.LUOGO->text().isEmpty());
    QVERIFY(w.window.NumCC->text().isEmpty());
    // Blank lines are skipped, a leading blank is kept, the field stays empty.
    QCOMPARE(w.payees(), (QStringList{"ROSSI MARIO", " BIANCHI LUCA", "Città di Castelrovo", "VERDI"}));
    QVERIFY(w.window.BENEFICIARIO->currentText().isEmpty());
}

void TestFrmInput::enterWalksFieldsWithHighlight()
{
    WindowFixture w;
    QVERIFY(w.show());
    FrmInput &f = w.window;
    QTRY_COMPARE(QApplication::focusWidget(), f.LUOGO);
    QVERIFY(isYellow(f.LUOGO));
    const QList<QPair<QLineEdit *, Qt::KeyboardModifiers>> walk = {
        {f.LUOGO, Qt::NoModifier}, {f.GGMMAAAA, Qt::ShiftModifier}, {f.IMPORTO, Qt::ControlModifier}};
    for (int i = 0; i < walk.size(); ++i) {
        QTest::keyClicks(walk[i].first, QStringLiteral("12"));
        QTest::keyClick(walk[i].first, i == 1 ? Qt::Key_Enter : Qt::Key_Return, walk[i].second);
        QWidget *next = i + 1 < walk.size() ? static_cast<QWidget *>(walk[i + 1].first) : f.BENEFICIARIO;
        QVERIFY(next->isAncestorOf(QApplication::focusWidget()) || next == QApplication::focusWidget());
        QVERIFY(isYellow(next));
        QVERIFY(!isYellow(walk[i].first));
        QCOMPARE(walk[i].first->text(), QStringLiteral("12"));
    }
    // A button taking the focus leaves no field highlighted.
    f.StampaAssegno->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), f.StampaAssegno);
    for (QWidget *field : std::initializer_list<QWidget *>{f.LUOGO, f.GGMMAAAA, f.IMPORTO, f.IMPORTO_ABC,
                                                           f.BENEFICIARIO, f.BANCA, f.NumCC})
        QVERIFY2(!isYellow(field), qPrintable(field->objectName()));
    f.BANCA->setFocus();
    QTRY_COMPARE(f.BANCA->palette().color(QPalette::Button), QColor(255, 255, 0));
}

void TestFrmInput::tabOrder()
{
    WindowFixture w;
    QVERIFY(w.show());
    QTRY_COMPARE(QApplication::focusWidget(), w.window.LUOGO);
    const QStringList expected = {"GGMMAAAA", "IMPORTO", "IMPORTO_ABC", "BENEFICIARIO", "BANCA",
                                  "NumCC", "StampaAssegno", "Calibrazione", "AddBEN", "DelBEN", "LUOGO"};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus->parentWidget() == w.window.BENEFICIARIO ? "BENEFICIARIO" : focus->objectName(), name);
    }
}

void TestFrmInput::bancaRefusesTyping()
{
    WindowFixture w;
    QVERIFY(w.show());
    w.window.BANCA->addItem(QStringLiteral("Banca Alfa / 111"), 1);
    w.window.BANCA->addItem(QStringLiteral("Banca Beta / 222"), 2);
    w.window.BANCA->setCurrentIndex(0);
    w.window.BANCA->setFocus();
    // Typing the first letter of another bank must not pick it.
    QTest::keyClicks(w.window.BANCA, QStringLiteral("B Beta"));
    QCOMPARE(w.window.BANCA->currentIndex(), 0);
    QTest::keyClick(w.window.BANCA, Qt::Key_Down);
    QCOMPARE(w.window.BANCA->currentIndex(), 1);
}

void TestFrmInput::amountTypedWithWords()
{
    WindowFixture w;
    QVERIFY(w.show());
    QLineEdit *amount = w.window.IMPORTO;
    amount->setFocus();
    QSignalSpy rewrites(w.window.IMPORTO_ABC, &QLineEdit::textChanged);
    const QList<QPair<char, QString>> steps = {
        {'1', "UNO / 00"}, {'2', "DODICI / 00"}, {'.', "DODICI / 00"}, {'5', "DODICI / 50"}, {'0', "DODICI / 50"}};
    for (const auto &[key, words] : steps) {
        const auto before = rewrites.count();
        QTest::keyClick(amount, key);
        QCOMPARE(w.window.IMPORTO_ABC->text(), words);
        QVERIFY2(rewrites.count() > before, "the words are rewritten at every keystroke");
    }
    QCOMPARE(amount->text(), QStringLiteral("12,50"));
    QTest::keyClick(amount, Qt::Key_Home);
    QTest::keyClick(amount, Qt::Key_Delete);
    QCOMPARE(w.window.IMPORTO_ABC->text(), QStringLiteral("DUE / 50"));
    amount->selectAll();
    QTest::keyClick(amount, Qt::Key_Backspace);
    QVERIFY(w.window.IMPORTO_ABC->text().isEmpty());
}

void TestFrmInput::amountKeys_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("words");
    const int none = Qt::NoModifier;
    QTest::newRow("second comma refused") << "12,5" << int(Qt::Key_Comma) << none << "12,5" << "DODICI / 50";
    QTest::newRow("full stop after a comma refused") << "12,5" << int(Qt::Key_Period) << none << "12,5" << "DODICI / 50";
    QTest::newRow("letter refused") << "12" << int(Qt::Key_A) << none << "12" << "DODICI / 00";
    QTest::newRow("space refused") << "12" << int(Qt::Key_Space) << none << "12" << "DODICI / 00";
    QTest::newRow("minus refused") << "12" << int(Qt::Key_Minus) << none << "12" << "DODICI / 00";
    QTest::newRow("paste shortcut refused") << "12" << int(Qt::Key_V) << int(Qt::ControlModifier) << "12" << "DODICI / 00";
    QTest::newRow("full stop becomes comma") << "12" << int(Qt::Key_Period) << none << "12," << "DODICI / 00";
    QTest::newRow("lone comma has no words") << "" << int(Qt::Key_Comma) << none << "," << "";
    QTest::newRow("too many digits have no words") << "9999999999999999" << int(Qt::Key_9) << none
                                                   << "99999999999999999" << "";
    QTest::newRow("a thousand billions has no name") << "100000000000" << int(Qt::Key_0) << none
                                                     << "1000000000000" << "";
}

void TestFrmInput::amountKeys()
{
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(QString, words);
    WindowFixture w;
    QVERIFY(w.show());
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    w.window.IMPORTO->setFocus();
    w.window.IMPORTO->setText(start);
    QTest::keyClick(w.window.IMPORTO, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.window.IMPORTO->text(), after);
    QCOMPARE(w.window.IMPORTO_ABC->text(), words);
}

QTEST_MAIN(TestFrmInput)
#include "tst_frminput.moc"
