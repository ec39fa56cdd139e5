#include "banner.h"
#include "twips.h"
#include "vendorpanel.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

class TestBanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticks_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top"); // twips within Frame1; home is 270
        QTest::addColumn<bool>("cyan");
        QTest::addColumn<int>("interval");
        // Each text takes 64 ticks from home to leaving the top, every later
        // one 128 ticks from one text height below home to the same place.
        QTest::newRow("at start") << 0 << 0 << 270 << true << 120;
        QTest::newRow("first tick crawls at home") << 1 << 0 << 266 << true << 170;
        QTest::newRow("8th tick, from 28 above home, still crawls") << 8 << 0 << 238 << true << 170;
        QTest::newRow("9th tick rushes") << 9 << 0 << 234 << false << 1;
        QTest::newRow("entry 0 about to leave") << 63 << 0 << 18 << false << 1;
        QTest::newRow("entry 1 one height below home") << 64 << 1 << 525 << false << 1;
        QTest::newRow("entry 1 stepping from 31 below rushes") << 121 << 1 << 297 << false << 1;
        QTest::newRow("entry 1 stepping from 27 below crawls") << 122 << 1 << 293 << true << 170;
        QTest::newRow("entry 1 stepping from 29 above, 15th crawl") << 136 << 1 << 237 << true << 170;
        QTest::newRow("entry 1 stepping from 33 above rushes") << 137 << 1 << 233 << false << 1;
        QTest::newRow("entry 0 after entry 9") << 64 + 9 * 128 << 0 << 525 << false << 1;
    }

    void ticks()
    {
        QFETCH(int, ticks);
        QFETCH(int, index);
        QFETCH(int, top);
        QFETCH(bool, cyan);
        QFETCH(int, interval);
        WindowFixture w;
        QVERIFY(w.window.load());
        for (int i = 0; i < ticks; ++i)
            w.window.Frame1->step();

        const SpotEntry entry = Vendor::spots().at(index);
        QCOMPARE(w.window.TxtSpot->text(), entry.Text);
        QCOMPARE(w.window.Frame1->spotTop(), top);
        QCOMPARE(w.window.TxtSpot->y(), Twips::toPixels(top));
        QCOMPARE(w.window.TxtSpot->palette().color(QPalette::WindowText),
                 cyan ? QColor(0, 255, 255) : QColor(255, 255, 0));
        QCOMPARE(w.window.Timer1->interval(), interval);
        QTest::mouseClick(w.window.TxtSpot, Qt::LeftButton);
        QCOMPARE(w.urls.opened, QStringList{entry.Link});
    }

    void linkHighlight_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("underlined");
        QTest::newRow("untouched") << QStringList{} << 6.75 << false;
        QTest::newRow("over brURL") << QStringList{"brURL"} << 8.0 << true;
        QTest::newRow("brURL, then brLOGO") << QStringList{"brURL", "brLOGO"} << 7.0 << false;
        QTest::newRow("brURL, then brRecapiti") << QStringList{"brURL", "brRecapiti"} << 7.0 << false;
        QTest::newRow("brLOGO, then brURL") << QStringList{"brLOGO", "brURL"} << 8.0 << true;
    }

    void linkHighlight()
    {
        QFETCH(QStringList, path);
        WindowFixture w;
        QVERIFY(w.show());
        for (const QString &name : path) {
            // A corner of brLOGO that neither label covers.
            const QPoint at = name == QLatin1String("brLOGO") ? QPoint(5, 5) : QPoint(10, 5);
            QTest::mouseMove(w.window.findChild<QWidget *>(name), at);
        }
        QTEST(w.window.brURL->font().pointSizeF(), "points");
        QTEST(w.window.brURL->font().underline(), "underlined");
    }

    void clicksOpenLinksAndLeaveFocus()
    {
        WindowFixture w;
        QVERIFY(w.show());
        w.window.Timer1->stop();
        QCOMPARE(QApplication::focusWidget(), w.window.LUOGO);
        QTest::mouseClick(w.window.brURL, Qt::LeftButton);
        QTest::mouseClick(w.window.TxtSpot, Qt::LeftButton);
        QCOMPARE(w.urls.opened, (QStringList{Vendor::webAddress(), Vendor::spots().at(0).Link}));
        QCOMPARE(QApplication::focusWidget(), w.window.LUOGO);
    }

    void linksStayOnReservedDomain()
    {
        QStringList links{Vendor::webAddress()};
        for (const SpotEntry &spot : Vendor::spots())
            links.append(spot.Link);
        QCOMPARE(links.filter(QRegularExpression(QStringLiteral("^https://www\\.brentola\\.example/"))), links);
    }
};

QTEST_MAIN(TestBanner)
#include "tst_banner.moc"
