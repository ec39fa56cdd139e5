#include "printeroffsets.h"

#include "folders.h"
#include "textfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QLatin1Char Bar('|');
} // namespace

QString PaperOffset::text(int tenths)
{
    const int whole = qAbs(tenths) / 10, tenth = qAbs(tenths) % 10;
    return QStringLiteral("%1%2,%3").arg(tenths < 0 ? QStringLiteral("-") : QString()).arg(whole).arg(tenth);
}

std::optional<int> PaperOffset::tenths(const QString &text)
{
    // Read as digits, not as a float, so that "0,3" is three tenths exactly.
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?)(\d{0,3})(?:[,.](\d?))?\s*$)"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    const int value = m.captured(2).toInt() * 10 + m.captured(3).toInt();
    if (value > Limit)
        return std::nullopt;
    return m.captured(1) == QLatin1String("-") ? -value : value;
}

QString PrinterOffsets::fileName(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Stampanti.ini");
}

PrinterOffsets::Line PrinterOffsets::parse(const QString &text)
{
    Line line{text, QString(), PaperOffset()};
    const qsizetype last = text.lastIndexOf(Bar);
    const qsizetype middle = last > 0 ? text.lastIndexOf(Bar, last - 1) : -1;
    if (middle <= 0)
        return line;
    const auto x = PaperOffset::tenths(text.mid(middle + 1, last - middle - 1));
    const auto y = PaperOffset::tenths(text.mid(last + 1));
    if (x && y) {
        line.printer = text.left(middle);
        line.offset = {*x, *y};
    }
    return line;
}

PrinterOffsets PrinterOffsets::fromLines(const QStringList &lines)
{
    PrinterOffsets offsets;
    for (const QString &text : lines)
        offsets.m_lines.append(parse(text));
    return offsets;
}

PrinterOffsets PrinterOffsets::load(const QString &dataFolder)
{
    const QString path = Folders::findAnyCase(fileName(dataFolder));
    QStringList lines;
    if (TextFile::readLines(path, &lines))
        return fromLines(lines);
    PrinterOffsets none;
    none.m_unread = QFileInfo::exists(path);
    return none;
}

PaperOffset PrinterOffsets::of(const QString &printer) const
{
    for (const Line &line : m_lines) {
        if (!line.printer.isEmpty() && line.printer == printer)
            return line.offset;
    }
    return {};
}

void PrinterOffsets::set(const QString &printer, PaperOffset offset)
{
    // The file is rewritten only for a change, not for the same numbers.
    if (of(printer) == offset)
        return;
    // In the place of the line that counted, so a file kept in some order
    // stays in it; later lines of the same name would count once it went.
    qsizetype at = m_lines.size();
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        if (m_lines.at(i).printer == printer && !printer.isEmpty()) {
            m_lines.removeAt(i);
            at = i;
        }
    }
    if (offset.isZero())
        return;
    const QString text = printer + Bar + PaperOffset::text(offset.x) + Bar + PaperOffset::text(offset.y);
    m_lines.insert(at, Line{text, printer, offset});
}

QStringList PrinterOffsets::lines() const
{
    QStringList texts;
    for (const Line &line : m_lines)
        texts.append(line.text);
    return texts;
}

bool PrinterOffsets::save(const QString &dataFolder, QString *reason) const
{
    if (m_unread) {
        *reason = QStringLiteral("il file esistente non si è potuto leggere, e riscriverlo perderebbe le "
                                 "correzioni delle altre stampanti");
        return false;
    }
    for (const Line &line : m_lines) {
        if (!line.printer.isEmpty() && !TextFile::canEncode(line.printer)) {
            *reason = QStringLiteral("il nome della stampante «%1» ha caratteri che il file non può contenere")
                          .arg(line.printer);
            return false;
        }
    }
    return TextFile::writeLines(fileName(dataFolder), lines(), reason);
}
