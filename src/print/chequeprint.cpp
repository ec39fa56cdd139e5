#include "chequeprint.h"

#include "printdevice.h"

#include <QPointF>

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double TwipsPerInch = 1440;
constexpr float LabelSize = 11;
constexpr float FigureSize = 13;
// The amount in figures is right-aligned on this width from its position,
// so that the "#" before it closes the gap left of the digits.
constexpr double FiguresWidth = 32;

/// Runs device operations, remembering whether any of them failed.
class Page
{
public:
    explicit Page(PrintDevice &device)
        : m_device(device)
    {
    }

    void check(bool ok) { m_ok = m_ok && ok; }
    PrintDevice &device() { return m_device; }
    bool allSucceeded() const { return m_ok; }

    void setUp()
    {
        check(m_device.setOrientation(PrintDevice::Landscape));
        check(m_device.setUnit(PrintDevice::Millimetres));
        check(m_device.setFontSize(LabelSize));
        check(m_device.setFontName(QStringLiteral("Arial")));
        check(m_device.setFontBold(false));
        check(m_device.setFontItalic(false));
    }

    void moveTo(double x, double y)
    {
        check(m_device.setCurrentX(float(x)));
        check(m_device.setCurrentY(float(y)));
    }

    void print(const QString &text) { check(m_device.printText(text)); }

    void printAt(double x, double y, const QString &text)
    {
        moveTo(x, y);
        print(text);
    }

    void setSize(float points) { check(m_device.setFontSize(points)); }

    /// 0 when the device cannot measure: the figures then start 32 mm right
    /// of their position, which is still on the form.
    double width(const QString &text)
    {
        float w = 0;
        if (!m_device.textWidth(text, w)) {
            m_ok = false;
            return 0;
        }
        return w;
    }

    bool end()
    {
        check(m_device.endDocument());
        return m_ok;
    }

private:
    PrintDevice &m_device;
    bool m_ok = true;
};

double toMillimetres(float twips)
{
    return twips * MillimetresPerInch / TwipsPerInch;
}

/// The paper position of a layout field, in millimetres.
QPointF fieldPosition(const ChequeLayout &layout, const FieldPosition &field)
{
    return {toMillimetres(field.left) + 10.0 * layout.SXmargin,
            toMillimetres(field.top) + 10.0 * layout.DXmargin};
}

} // namespace

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

bool PrintChequePage(PrintDevice &device, const ChequeLayout &layout, const ChequeFields &fields)
{
    Page page(device);
    page.setUp();

    const QPointF place = fieldPosition(layout, layout.LUOGO);
    page.printAt(place.x(), place.y(), fields.LUOGO);
    const QPointF date = fieldPosition(layout, layout.GGMMAAAA);
    page.printAt(date.x(), date.y(), fields.GGMMAAAA);

    if (!fields.IMPORTO.trimmed().isEmpty()) {
        // Text that is not an amount prints as 0: decimals only, so the
        // cheque shows plainly that the amount is missing.
        const Currency amount = Currency::fromText(fields.IMPORTO).value_or(Currency());
        const bool positive = amount > Currency();

        page.setSize(FigureSize);
        const QString spaced = SpaceDigits(QString::number(amount.wholePart()));
        const double w = page.width(spaced);
        const QPointF figures = fieldPosition(layout, layout.IMPORTO_CIFRE);
        page.moveTo(figures.x() + (FiguresWidth - w), figures.y());
        if (positive) {
            QString text = QLatin1Char('#') + spaced;
            if (layout.PrintComma == 1)
                text += QLatin1Char(',');
            page.print(text);
        }

        const QPointF decimals = fieldPosition(layout, layout.IMPORTO_DEC);
        page.printAt(decimals.x(), decimals.y(), SpaceDigits(DecimalDigits(amount)));

        page.setSize(LabelSize);
        const QPointF words = fieldPosition(layout, layout.IMPORTO_ABC);
        page.moveTo(words.x(), words.y());
        if (positive)
            page.print(fields.IMPORTO_ABC + QLatin1String("###"));
    }

    page.setSize(FigureSize);
    const QPointF beneficiary = fieldPosition(layout, layout.BENEFICIARIO);
    page.printAt(beneficiary.x(), beneficiary.y(), fields.BENEFICIARIO);

    if (!fields.NumCC.trimmed().isEmpty()) {
        page.setSize(LabelSize);
        const QPointF account = fieldPosition(layout, layout.NUMEROcc);
        page.printAt(account.x(), account.y(), fields.NumCC);
    }

    return page.end();
}
