#include "contrast.h"
#include "widgetcolours.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

QPalette theme(const QString &name)
{
    QPalette p;
    const auto set = [&p](QColor window, QColor base, QColor text) {
        p.setColor(QPalette::Window, window);
        p.setColor(QPalette::Button, window);
        p.setColor(QPalette::Base, base);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(role, text);
    };
    if (name == QLatin1String("dark"))
        set(QColor(53, 53, 53), QColor(42, 42, 42), Qt::white);
    else if (name == QLatin1String("high contrast"))
        set(Qt::black, Qt::black, Qt::white);
    else
        set(QColor(239, 239, 239), Qt::white, Qt::black);
    return p;
}

} // namespace

class TestWidgetColours : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(theme("light")); }

    void textReadsOnTheTheme_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("exact");
        for (const char *name : {"light", "dark", "high contrast"}) {
            const bool light = QByteArray(name) == "light";
            QTest::addRow("%s: the amount's blue", name) << name << QColor(Qt::blue) << false << light;
            QTest::addRow("%s: the payee's dark red", name) << name << QColor(192, 0, 0) << false << light;
            // Blue reads on the focus yellow under every theme as it is.
            QTest::addRow("%s: blue on the focus yellow", name) << name << QColor(Qt::blue) << true << true;
            QTest::addRow("%s: the theme's text on the focus yellow", name) << name << QColor() << true << light;
        }
    }

    void textReadsOnTheTheme()
    {
        QFETCH(QString, theme);
        QFETCH(QColor, chosen);
        QFETCH(bool, focused);
        QFETCH(bool, exact);
        QApplication::setPalette(::theme(theme));
        QLineEdit field;
        QComboBox combo;
        if (chosen.isValid()) {
            WidgetColours::set(field, {QPalette::Text, QPalette::WindowText}, chosen);
            WidgetColours::set(combo, {QPalette::ButtonText}, chosen);
        }
        const QColor yellow(255, 255, 0);
        WidgetColours::setFieldBackground(field, focused ? yellow : field.palette().color(QPalette::Base));
        WidgetColours::setFieldBackground(combo, focused ? yellow : combo.palette().color(QPalette::Base));
        const QColor text = field.palette().color(QPalette::Text);
        const QColor wanted = chosen.isValid() ? chosen : QApplication::palette().color(QPalette::Text);
        QCOMPARE(text == wanted, exact);
        QCOMPARE(combo.palette().color(QPalette::ButtonText), text);
        if (theme != QLatin1String("light")) {
            QVERIFY(Contrast::ratio(text, field.palette().color(QPalette::Base)) >= 4.5);
            QCOMPARE(text.hslHue(), wanted.hslHue());
        }
    }
};

QTEST_MAIN(TestWidgetColours)
#include "tst_widgetcolours.moc"
