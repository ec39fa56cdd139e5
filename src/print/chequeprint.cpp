#include "chequeprint.h"

#include "amounttext.h"
#include "printdevice.h"
#include "printpage.h"

#include <QDir>
#include <QLocale>

namespace {

/// The paper position of a layout field, in millimetres.
QPointF fieldPosition(const ChequeLayout &layout, const FieldPosition &field)
{
    return PrintPage::position(QPointF(10.0 * layout.SXmargin, 10.0 * layout.DXmargin), field);
}

} // namespace

std::optional<QString> OffPageNotice(const ChequeLayout &layout, const QString &layoutFile)
{
    // Named as the calibration window's labels name them.
    const std::pair<const char *, const FieldPosition *> fields[] = {
        {"LUOGO", &layout.LUOGO},          {"DATA", &layout.GGMMAAAA},
        {"IMPORTO", &layout.IMPORTO_CIFRE}, {"00", &layout.IMPORTO_DEC},
        {"IMPORTO IN LETTERE", &layout.IMPORTO_ABC}, {"BENEFICIARIO", &layout.BENEFICIARIO},
        {"NUMERO C/C", &layout.NUMEROcc},
    };
    for (const auto &[name, field] : fields) {
        const QPointF at = fieldPosition(layout, *field);
        // Written so that a position that is no number fails it too.
        if (at.x() >= 0 && at.x() <= PaperWidth && at.y() >= 0 && at.y() <= PaperHeight)
            continue;
        return QStringLiteral("Il campo «%1» del file %2 cade fuori dal foglio: l'assegno non viene stampato. "
                              "Occorre correggerne la posizione con CALIBRAZIONE.")
            .arg(QLatin1String(name), QDir::toNativeSeparators(layoutFile));
    }
    return std::nullopt;
}

QString SpaceDigits(const QString &text)
{
    QString spaced;
    spaced.reserve(text.size() * 2);
    for (const QChar c : text) {
        spaced += c;
        spaced += QLatin1Char(' ');
    }
    return spaced.trimmed();
}

QString DecimalDigits(Currency amount)
{
    const QString text = amount.toText();
    qsizetype separator = text.indexOf(QLatin1Char(','));
    if (separator < 0)
        separator = text.indexOf(QLatin1Char('.'));
    if (separator < 0)
        return QStringLiteral("00");
    return (text.mid(separator + 1) + QLatin1String("00")).left(2);
}

QString ChequeJobTitle(const ChequeFields &fields)
{
    QStringList parts{QStringLiteral("Assegno")};
    if (!fields.BENEFICIARIO.trimmed().isEmpty())
        parts << fields.BENEFICIARIO.trimmed();
    if (const auto amount = AmountText::read(fields.IMPORTO.trimmed()))
        parts << QLocale(QLocale::Italian, QLocale::Italy).toString(amount->wholePart()) + QLatin1Char(',')
                + DecimalDigits(*amount);
    return parts.join(QStringLiteral(" – "));
}

bool PrintChequePage(PrintDevice &device, const ChequeLayout &layout, const ChequeFields &fields)
{
    PrintPage page(device);
    page.setUp();
    device.setJobTitle(ChequeJobTitle(fields));

    const QPointF place = fieldPosition(layout, layout.LUOGO);
    page.printAt(place, fields.LUOGO);
    const QPointF date = fieldPosition(layout, layout.GGMMAAAA);
    page.printAt(date, fields.GGMMAAAA);

    if (!fields.IMPORTO.trimmed().isEmpty()) {
        // Text that is not an amount prints as 0: decimals only, so the
        // cheque shows plainly that the amount is missing.
        const Currency amount = AmountText::read(fields.IMPORTO.trimmed()).value_or(Currency());
        const bool positive = amount > Currency();

        page.setSize(PrintPage::FigureSize);
        const QString spaced = SpaceDigits(QString::number(amount.wholePart()));
        const double w = page.width(spaced);
        const QPointF figures = fieldPosition(layout, layout.IMPORTO_CIFRE);
        page.moveTo(figures.x() + (PrintPage::FiguresWidth - w), figures.y());
        if (positive) {
            QString text = QLatin1Char('#') + spaced;
            if (layout.PrintComma == 1)
                text += QLatin1Char(',');
            page.print(text);
        }

        const QPointF decimals = fieldPosition(layout, layout.IMPORTO_DEC);
        page.printAt(decimals, SpaceDigits(DecimalDigits(amount)));

        page.setSize(PrintPage::LabelSize);
        const QPointF words = fieldPosition(layout, layout.IMPORTO_ABC);
        page.moveTo(words.x(), words.y());
        if (positive)
            page.print(fields.IMPORTO_ABC + QLatin1String("###"));
    }

    page.setSize(PrintPage::FigureSize);
    const QPointF beneficiary = fieldPosition(layout, layout.BENEFICIARIO);
    page.printAt(beneficiary, fields.BENEFICIARIO);

    if (!fields.NumCC.trimmed().isEmpty()) {
        page.setSize(PrintPage::LabelSize);
        const QPointF account = fieldPosition(layout, layout.NUMEROcc);
        page.printAt(account, fields.NumCC);
    }

    return page.end();
}
