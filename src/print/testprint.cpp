#include "testprint.h"

#include "chequeprint.h"
#include "numbertext.h"
#include "printdevice.h"
#include "printpage.h"

#include <QRegularExpression>

#include <cmath>

Currency MarginValue(const QString &text)
{
    QString copy = text;
    const qsizetype comma = copy.indexOf(QLatin1Char(','));
    if (comma >= 0)
        copy[comma] = QLatin1Char('.');
    const double tenThousandths = std::nearbyint(NumberText::leadingNumber(copy) * 10000);
    // The largest currency value; beyond it (or an infinity from "1e999")
    // the text is not an amount at all.
    if (!(std::fabs(tenThousandths) <= 9.2e18))
        return Currency();
    return Currency::fromTenThousandths(qint64(tenThousandths));
}

QString ShortDate(const QDate &date, const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // "yy" alone, not part of a longer run of y's, becomes "yyyy".
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

bool PrintTestPage(PrintDevice &device, const QString &marginLeft, const QString &marginTop,
                   const ChequeLayout &labels, const QString &date)
{
    // Ten-thousandths of a centimetre are thousandths of a millimetre.
    const QPointF origin(MarginValue(marginLeft).tenThousandths() / 1000.0,
                         MarginValue(marginTop).tenThousandths() / 1000.0);
    PrintPage page(device);
    page.setUp();
    device.setJobTitle(QStringLiteral("Stampa di prova"));

    page.printAt(PrintPage::position(origin, labels.LUOGO), QStringLiteral("Castelrovo"));
    page.printAt(PrintPage::position(origin, labels.GGMMAAAA), date);

    // The figures stand where a cheque's digits would: the same width, the
    // same right-alignment. The cheque prints "#" from that start and its
    // digits after it, so the sample, which has no "#", begins one "#"
    // further right; else a user fitting the figures by it misses by that.
    page.setSize(PrintPage::FigureSize);
    const QString figures = SpaceDigits(QStringLiteral("1500"));
    const double w = page.width(figures);
    const double hash = page.width(QStringLiteral("#"));
    const QPointF at = PrintPage::position(origin, labels.IMPORTO_CIFRE);
    page.printAt(QPointF(at.x() + (PrintPage::FiguresWidth - w) + hash, at.y()),
                 labels.PrintComma == 1 ? figures + QLatin1Char(',') : figures);
    page.printAt(PrintPage::position(origin, labels.IMPORTO_DEC), SpaceDigits(QStringLiteral("00")));
    page.printAt(PrintPage::position(origin, labels.IMPORTO_ABC), QStringLiteral("MILLECINQUECENTO/00"));
    page.printAt(PrintPage::position(origin, labels.BENEFICIARIO), QStringLiteral("BRENTOLA SNC"));
    page.printAt(PrintPage::position(origin, labels.NUMEROcc), QStringLiteral("(numero C/C)"));
    return page.end();
}
