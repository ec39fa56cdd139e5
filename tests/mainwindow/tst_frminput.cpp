#include "keyscript.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using Request = MessageBoxes::Request;

namespace {

bool isYellow(QWidget *w)
{
    return w->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

// The field that has the keyboard: a combo box's edit field and open list
// count as the combo box.
QString fieldName(QWidget *focus)
{
    for (QWidget *w = focus; w; w = w->parentWidget()) {
        if (qobject_cast<QComboBox *>(w))
            return w->objectName();
    }
    return focus->objectName();
}

void drop(QLineEdit *edit, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint at = edit->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &dropped);
}

void pasteFromMenu(QLineEdit *edit)
{
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    const auto actions = menu->actions();
    // The menu's entries have no names; Paste is the one with its shortcut.
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    const auto paste = std::find_if(actions.cbegin(), actions.cend(), [&](QAction *a) {
        return a->text().endsWith(QLatin1Char('\t') + shortcut);
    });
    QVERIFY(paste != actions.cend() && (*paste)->isEnabled());
    (*paste)->trigger();
}

} // namespace

class TestFrmInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Twips of the design divided by 15 twips per pixel, rounded, worked out by hand.
        QTest::newRow("LUOGO") << "LUOGO" << QRect(81, 6, 148, 24);
        QTest::newRow("BENEFICIARIO") << "BENEFICIARIO" << QRect(81, 66, 325, 24);
        QTest::newRow("Label5") << "Label5" << QRect(375, 99, 28, 19);
        QTest::newRow("brRecapiti in brLOGO") << "brRecapiti" << QRect(240, 12, 133, 27);
        QTest::newRow("TxtSpot in Frame1") << "TxtSpot" << QRect(3, 18, 487, 17);
        QTest::newRow("the window's client area") << "FrmInput" << QRect(0, 0, 506, 240);
    }

    void controlGeometry()
    {
        QFETCH(QString, name);
        WindowFixture w;
        QWidget *control = name == QLatin1String("FrmInput") ? &w.window : w.window.findChild<QWidget *>(name);
        QVERIFY(control);
        QTEST(QRect(control == &w.window ? QPoint() : control->pos(), control->size()), "pixels");
        QCOMPARE(control->minimumSize() == control->maximumSize(), control == &w.window);
    }

    void secondStartWritesNothing()
    {
        const QByteArray layout = "Castelrovo\r\n 2,5 \r\n 12 \r\n 300 \r\n 1400 \r\n 270 \r\n 4230 \r\n 270 \r\n"
                                  " 6015 \r\n 270 \r\n 8070 \r\n 1740 \r\n 2100 \r\n 2235 \r\n 2250 \r\n 0 \r\n"
                                  "000123\r\n 2700 \r\n 2250 \r\n";
        WindowFixture w(WindowFixture::Files{{"Quendra.ini", layout},
                         {"Beneficiari.ini", "ROSSI MARIO\r\n\r\n   \r\n BIANCHI LUCA\r\nCitt\xe0 di Castelrovo\nVERDI"}});
        QVERIFY(w.window.load());

        QCOMPARE(w.bytes("Quendra.ini"), layout);
        QCOMPARE(QDir(w.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{"Beneficiari.ini", "Quendra.ini"}));
        // The layout is read, but the remembered place does not fill the field
        // and the account number follows the bank selection, not the file.
        QCOMPARE(w.state.layout.SXmargin, 2.5f);
        QVERIFY(w.window.LUOGO->text().isEmpty());
        QVERIFY(w.window.NumCC->text().isEmpty());
        // Blank lines are skipped, a leading blank is kept, the field stays empty.
        QCOMPARE(w.payees(), (QStringList{"ROSSI MARIO", " BIANCHI LUCA", "Città di Castelrovo", "VERDI"}));
        QVERIFY(w.window.BENEFICIARIO->currentText().isEmpty());
    }

    void startSelectsBankUsedLast_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QStringList>("written"); // layout files, oldest first, a minute apart
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("account");
        const QByteArray two = "Beta" + QByteArray(100, ' ') + "2|222\r\nAlfa" + QByteArray(100, ' ') + "1|111\r\n";
        const QByteArray slash = "BCC ROMA/AG. 12" + QByteArray(100, ' ') + "3|4567/89\r\n";
        QTest::newRow("default file last: the first bank") << two << QStringList{"Quendra1.ini", "Quendra.ini"} << 2 << "222";
        QTest::newRow("empty archive: no bank") << QByteArray() << QStringList{"Quendra1.ini"} << 0 << "";
        QTest::newRow("a Windows name written last") << two << QStringList{"Quendra2.ini", "QUENDRA1.INI"} << 1 << "111";
        QTest::newRow("a slash in the name: the account as stored") << slash << QStringList{} << 3 << "4567/89";
    }

    void startSelectsBankUsedLast()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QStringList, written);
        WindowFixture w(WindowFixture::Files{{"Banche.ini", archive}});
        QDateTime time(QDate(2026, 1, 2), QTime(10, 0));
        for (const QString &name : written) {
            w.write(qPrintable(name), DefaultLayoutBytes);
            QFile file(w.path(qPrintable(name)));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
            time = time.addSecs(60);
        }
        QVERIFY(w.window.load());
        QTEST(w.state.IDbanca, "id");
        QTEST(w.window.NumCC->text(), "account");
        QCOMPARE(w.window.BANCA->count(), archive.count('\n'));
    }

    // The bank list window shows the main window again only through its own
    // buttons; closed any other way, the main window must still come back.
    void closeBoxOfBankListBringsWindowBack()
    {
        WindowFixture w(WindowFixture::Files{{"Banche.ini", "Alfa" + QByteArray(100, ' ') + "4|44\r\n"}});
        QVERIFY(w.show());
        QCOMPARE(w.window.NumCC->text(), QStringLiteral("44"));
        bool hidden = false;
        QTimer::singleShot(50, &w.window, [&] {
            hidden = !w.window.isVisible();
            w.messages.answers = {MessageBoxes::Answer::Yes};
            QApplication::activeModalWidget()->findChild<QPushButton *>(QStringLiteral("DelBAN"))->click();
            QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(w.window.Calibrazione, Qt::LeftButton);
        QVERIFY(hidden);
        QVERIFY(w.window.isVisible());
        // The archive the list window wrote on closing is empty: BANCA follows
        // it, and with no bank there is no account and the default layout.
        QCOMPARE(w.window.BANCA->count(), 0);
        QVERIFY(w.window.NumCC->text().isEmpty());
        QCOMPARE(w.state.IDbanca, 0);
    }

    void enterWalksFieldsWithHighlight()
    {
        WindowFixture w;
        QVERIFY(w.show());
        FrmInput &f = w.window;
        QTRY_COMPARE(QApplication::focusWidget(), f.LUOGO);
        QVERIFY(isYellow(f.LUOGO));
        const QList<QPair<QLineEdit *, Qt::KeyboardModifiers>> walk = {
            {f.LUOGO, Qt::AltModifier}, {f.GGMMAAAA, Qt::ControlModifier}, {f.IMPORTO, Qt::ShiftModifier | Qt::AltModifier}};
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

    void tabOrder()
    {
        WindowFixture w;
        QVERIFY(w.show());
        QTRY_COMPARE(QApplication::focusWidget(), w.window.LUOGO);
        const QStringList expected = {"GGMMAAAA", "IMPORTO", "IMPORTO_ABC", "BENEFICIARIO", "BANCA",
                                      "NumCC", "StampaAssegno", "Calibrazione", "AddBEN", "DelBEN", "Registro", "brURL",
                                      "Frame1", "LUOGO"};
        for (const QString &name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(focus->parentWidget() == w.window.BENEFICIARIO ? "BENEFICIARIO" : focus->objectName(), name);
        }
    }

    void amountTypedWithWords_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("dot for thousands, comma for cents") << "1.500,50" << "1.500,50" << "MILLECINQUECENTO / 50";
        QTest::newRow("comma for cents") << "1500,50" << "1500,50" << "MILLECINQUECENTO / 50";
        QTest::newRow("keypad dot for cents") << "1500.50" << "1500.50" << "MILLECINQUECENTO / 50";
        QTest::newRow("a dot then three digits groups thousands") << "12.500" << "12.500" << "DODICIMILACINQUECENTO / 00";
        QTest::newRow("groups of three only") << "1.5000" << "1.500" << "MILLECINQUECENTO / 00";
        QTest::newRow("a third cent refused") << "12,505" << "12,50" << "DODICI / 50";
        QTest::newRow("a second comma refused") << "1,5,0" << "1,50" << "UNO / 50";
        QTest::newRow("no comma after a cents dot") << "1.5,0" << "1.50" << "UNO / 50";
        QTest::newRow("a zero group is no thousands") << "0.500" << "0.50" << "ZERO / 50";
        QTest::newRow("no thirteenth digit") << "9999999999999" << "999999999999"
                                             << "NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
                                                "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE / 00";
        QTest::newRow("a lone comma has no words") << "," << "," << "";
    }

    void amountTypedWithWords()
    {
        QFETCH(QString, keys);
        WindowFixture w;
        QVERIFY(w.show());
        QLineEdit *amount = w.window.IMPORTO;
        amount->setFocus();
        QSignalSpy rewrites(w.window.IMPORTO_ABC, &QLineEdit::textChanged);
        for (const QChar key : keys) {
            const auto before = rewrites.count();
            QTest::keyClick(amount, key.toLatin1());
            QVERIFY2(rewrites.count() > before || amount->text().isEmpty() || key == QLatin1Char(','),
                     "the words are rewritten at every keystroke");
        }
        QTEST(amount->text(), "text");
        QTEST(w.window.IMPORTO_ABC->text(), "words");
        QVERIFY(w.messages.asked.isEmpty());
        // Typed over, the words could state another amount than the figures.
        w.window.IMPORTO_ABC->setFocus();
        QTest::keyClicks(w.window.IMPORTO_ABC, QStringLiteral("X"));
        QTEST(w.window.IMPORTO_ABC->text(), "words");
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QVERIFY(w.window.IMPORTO_ABC->text().isEmpty());
    }

    void waysIn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("start"); // | marks the caret
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("notice"); // the notice that follows, if any
        const QString noNotice;
        QTest::newRow("LUOGO: what the layout file cannot hold is told")
            << "LUOGO" << "Ctrl+V" << "" << "Zürich ☃\u200b" << "Zürich "
            << "«Luogo» non può contenere questi caratteri, che non sono stati inseriti: ☃.";
        QTest::newRow("LUOGO: a letter takes its plain form") << "LUOGO" << "menu" << "" << "Bucureşti" << "Bucuresti"
                                                              << noNotice;
        QTest::newRow("NumCC: dropped line break") << "NumCC" << "drop" << "" << "0001\r\n2345" << "0001 2345"
                                                   << noNotice;
        QTest::newRow("NumCC: what has no plain form is told by its code")
            << "NumCC" << "drop" << "" << "12\u3000\u03013" << "12 3"
            << "«Numero di conto» non può contenere questi caratteri, che non sono stati inseriti: U+0301.";
        QTest::newRow("GGMMAAAA: paper holds any character") << "GGMMAAAA" << "menu" << "" << "5 ☃ 2026\n" << "5 ☃ 2026 "
                                                             << noNotice;
        QTest::newRow("BENEFICIARIO: one line from the menu") << "BENEFICIARIO" << "menu" << "" << "ROSSI\r\nMARIO"
                                                              << "ROSSI MARIO" << noNotice;
        QTest::newRow("BENEFICIARIO: direction and zero-width marks never enter")
            << "BENEFICIARIO" << "drop" << "" << "\u202eMARIO\u200b ROSSI\u2066\ufeff" << "MARIO ROSSI" << noNotice;
        QTest::newRow("IMPORTO: the menu keeps what typing would") << "IMPORTO" << "menu" << "" << "€ 1.500,50 EUR"
                                                                   << "1.500,50" << noNotice;
        QTest::newRow("IMPORTO: the comma already there stays") << "IMPORTO" << "menu" << "|12,5" << "3,4" << "3412,5"
                                                                << noNotice;
        QTest::newRow("IMPORTO: a paste that would lose a digit is refused whole")
            << "IMPORTO" << "drop" << "7" << "1,500.50" << "7"
            << "«1,500.50» non è stato inserito: l'importo si scrive in euro con la virgola per i centesimi (al "
               "massimo due cifre) e, se si vuole, il punto per le migliaia: per esempio 1.500,50 oppure 1500,50.";
        QTest::newRow("IMPORTO: the paste shortcut is refused") << "IMPORTO" << "Ctrl+V" << "12" << "999" << "12"
                                                                << noNotice;
    }

    void waysIn()
    {
        QFETCH(QString, field);
        QFETCH(QString, way);
        QFETCH(QString, start);
        QFETCH(QString, incoming);
        WindowFixture w;
        QVERIFY(w.show());
        QWidget *control = w.window.findChild<QWidget *>(field);
        auto *edit = qobject_cast<QComboBox *>(control) ? static_cast<QComboBox *>(control)->lineEdit()
                                                         : qobject_cast<QLineEdit *>(control);
        control->setFocus();
        edit->setText(QString(start).remove(QLatin1Char('|')));
        const qsizetype caret = start.indexOf(QLatin1Char('|'));
        edit->setCursorPosition(int(caret < 0 ? edit->text().size() : caret));
        QGuiApplication::clipboard()->setText(incoming);
        if (way == QLatin1String("Ctrl+V"))
            KeyScript::send(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        else if (way == QLatin1String("menu"))
            pasteFromMenu(edit);
        else
            drop(edit, incoming);
        QTEST(edit->text(), "after");
        QFETCH(QString, notice);
        if (!notice.isEmpty())
            QTRY_COMPARE(w.messages.asked.size(), 1);
        QTest::qWait(0);
        QCOMPARE(w.messages.asked.isEmpty() ? QString() : w.messages.asked.constLast().text, notice);
    }

    void listOpenKeys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("listOpen");
        const QString payee = QStringLiteral("BENEFICIARIO");
        QTest::newRow("Tab closes the list, goes on") << payee << "r⇥" << "ROSSI MARIO" << "" << "BANCA" << false;
        QTest::newRow("Shift+Tab closes the list, goes back") << payee << "r⇤" << "ROSSI MARIO" << "" << "IMPORTO_ABC" << false;
        QTest::newRow("Down then Enter takes the highlighted row") << payee << "r↓⏎" << "ROSSINI LUCA" << "" << payee << false;
        QTest::newRow("Up shows the row it reaches") << payee << "r↓↓↑" << "ROSSINI LUCA" << "" << payee << true;
        QTest::newRow("Escape keeps the text whole") << payee << "ros⎋" << "ROSSI MARIO" << "" << payee << false;
        QTest::newRow("Alt+letter, list open, types nothing") << payee << "r⌥b" << "ROSSI MARIO" << "OSSI MARIO" << payee << true;
        QTest::newRow("Alt+letter, list closed, types nothing") << payee << "⌥b" << "" << "" << payee << false;
        QTest::newRow("Alt+letter in a text box types nothing") << "LUOGO" << "r⌥b" << "r" << "" << "LUOGO" << false;
        QTest::newRow("typing in BANCA's open list picks nothing") << "BANCA" << "⌥↓c⏎" << "Banca Alfa / 111" << ""
                                                                   << "BANCA" << false;
        QTest::newRow("typing in BANCA picks nothing") << "BANCA" << "c" << "Banca Alfa / 111" << "" << "BANCA" << false;
        QTest::newRow("arrows in BANCA's open list choose") << "BANCA" << "⌥↓↓⏎" << "Banca Beta / 222" << "" << "BANCA"
                                                            << false;
    }

    void listOpenKeys()
    {
        QFETCH(QString, field);
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        WindowFixture w(WindowFixture::Files{{"Beneficiari.ini", "ROSSI MARIO\r\nROSSINI LUCA\r\nBIANCHI LUCA\r\n"}});
        QVERIFY(w.show());
        w.window.BANCA->addItem(QStringLiteral("Banca Alfa / 111"), 1);
        w.window.BANCA->addItem(QStringLiteral("Banca Beta / 222"), 2);
        w.window.BANCA->addItem(QStringLiteral("Credito Gamma / 333"), 3);
        QWidget *control = w.window.findChild<QWidget *>(field);
        control->setFocus();
        QTRY_VERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
        KeyScript::play(script);

        auto *combo = qobject_cast<QComboBox *>(control);
        auto *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
        QCOMPARE(combo ? combo->currentText() : edit->text(), text);
        QTEST(fieldName(QApplication::focusWidget()), "focus");
        QTEST(combo && combo->view()->isVisible(), "listOpen");
        if (edit) {
            QCOMPARE(edit->selectedText(), selected);
            if (selected.isEmpty())
                QCOMPARE(edit->cursorPosition(), text.size());
        }
    }
};

QTEST_MAIN(TestFrmInput)
#include "tst_frminput.moc"
