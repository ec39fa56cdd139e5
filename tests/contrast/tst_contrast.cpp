#include "contrast.h"

#include <QTest>

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void luminanceAndRatio_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("luminance");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 0.0 << 21.0;
        QTest::newRow("white on black, the same ratio") << QColor(Qt::white) << QColor(Qt::black) << 1.0 << 21.0;
        QTest::newRow("mid grey: the curve, not the byte") << QColor(128, 128, 128) << QColor(Qt::white) << 0.21586
                                                           << 3.9489;
        QTest::newRow("the amount's blue on white") << QColor(Qt::blue) << QColor(Qt::white) << 0.0722 << 8.5925;
        QTest::newRow("the payee's dark red on white") << QColor(192, 0, 0) << QColor(Qt::white) << 0.11207 << 6.4790;
        QTest::newRow("a colour on itself") << QColor(192, 0, 0) << QColor(192, 0, 0) << 0.11207 << 1.0;
    }

    void luminanceAndRatio()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, luminance);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(Contrast::luminance(text) - luminance) < 1e-4,
                 qPrintable(QString::number(Contrast::luminance(text))));
        QVERIFY2(qAbs(Contrast::ratio(text, background) - ratio) < 1e-3,
                 qPrintable(QString::number(Contrast::ratio(text, background))));
    }

    void readable_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<QString>("way");
        QTest::newRow("blue on white stays") << QColor(Qt::blue) << QColor(Qt::white) << 4.5 << "same";
        QTest::newRow("blue on a dark field grows lighter") << QColor(Qt::blue) << QColor(42, 42, 42) << 4.5
                                                            << "lighter";
        QTest::newRow("dark red on a dark window grows lighter") << QColor(192, 0, 0) << QColor(53, 53, 53) << 4.5
                                                                 << "lighter";
        QTest::newRow("red on light grey grows darker") << QColor(255, 0, 0) << QColor(224, 224, 224) << 4.5
                                                        << "darker";
        QTest::newRow("white text on the focus yellow grows dark") << QColor(Qt::white) << QColor(255, 255, 0)
                                                                   << 4.5 << "darker";
        QTest::newRow("no shade reaches 7:1 on mid grey: black") << QColor(255, 0, 0) << QColor(118, 118, 118) << 7.0
                                                                 << "black";
    }

    void readable()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, minimum);
        QFETCH(QString, way);
        const QColor shown = Contrast::readable(text, background, minimum);
        if (way == QLatin1String("same") || way == QLatin1String("black")) {
            QCOMPARE(shown, way == QLatin1String("same") ? text : QColor(Qt::black));
            return;
        }
        const double reached = Contrast::ratio(shown, background);
        // Just enough: one step of eight bits less would not read.
        QVERIFY2(reached >= minimum && reached < minimum + 0.15, qPrintable(QString::number(reached)));
        QCOMPARE(shown.hslHue(), text.hslHue());
        QCOMPARE(shown.lightness() > text.lightness(), way == QLatin1String("lighter"));
    }

    void theme_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("windowText");
        QTest::addColumn<bool>("exact");
        QTest::newRow("Fusion's light palette") << QColor(239, 239, 239) << QColor(Qt::black) << true;
        QTest::newRow("a desktop's light theme, grey text") << QColor(246, 245, 244) << QColor(46, 52, 54) << true;
        QTest::newRow("a dark theme") << QColor(53, 53, 53) << QColor(Qt::white) << false;
        QTest::newRow("high contrast, black on white") << QColor(Qt::white) << QColor(Qt::black) << false;
        QTest::newRow("high contrast, white on black") << QColor(Qt::black) << QColor(Qt::white) << false;
    }

    void theme()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, windowText);
        QFETCH(bool, exact);
        // The calibration hint's red on its grey reads at 3:1: kept only
        // where it was chosen.
        const QColor red(255, 0, 0), grey(224, 224, 224);
        QCOMPARE(Contrast::shown(red, grey, window, windowText) == red, exact);
        QCOMPARE(Contrast::isDefaultLight(window, windowText), exact);
    }
};

QTEST_GUILESS_MAIN(TestContrast)
#include "tst_contrast.moc"
