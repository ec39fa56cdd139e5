// Saves a picture of the list control as the bank list shows it: 30 rows
// in a box too small for them, so both of the control's scroll bars show.
// Usage: listcontrolshot OUT.png

#include "uclinkedlist.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: listcontrolshot OUT.png\n");
        return 2;
    }
    const QStringList towns = QStringLiteral("Borgo Lago Colle Valle Piana Riva Monte Ponte Fonte Selva")
                                  .split(QLatin1Char(' '));
    ucLinkedList list;
    list.setListProperties(QStringLiteral("Banca,170|Nr.Conto,93"));
    for (int i = 0; i < 30; ++i) {
        const QStringList kinds = {QStringLiteral("Cassa Rurale di "), QStringLiteral("Banca di "),
                                   QStringLiteral("Credito di ")};
        const QString bank = kinds[i % 3] + towns[i % towns.size()];
        list.AddItem(bank + QLatin1Char('\t') + QStringLiteral("%1").arg(1000457 + i * 7919, 12, 10, QLatin1Char('0')));
    }
    list.resize(230, 170);
    list.show();
    list.setListIndex(2);
    QApplication::processEvents();
    if (!list.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
