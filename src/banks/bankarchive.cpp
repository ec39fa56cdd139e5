#include "bankarchive.h"

#include "folders.h"
#include "numbertext.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace {

constexpr int IdWidth = 5;

qint32 wholeNumber(double value)
{
    // Ids have at most five digits; anything past 32 bits is no id at all.
    if (!std::isfinite(value) || std::fabs(value) > 2147483647.0)
        return 0;
    return qint32(std::nearbyint(value));
}

} // namespace

namespace BankArchive {

QString fileName(const QString &dataFolder)
{
    return dataFolder + QLatin1String("/Banche.ini");
}

QString nameField(const QString &name, qint32 id)
{
    return name + QString(100, QLatin1Char(' ')) + QString::number(id);
}

qint32 idOf(const QString &nameField)
{
    return wholeNumber(NumberText::leadingNumber(nameField.right(IdWidth).trimmed()));
}

QString nameOf(const QString &nameField)
{
    return nameField.chopped(qMin<qsizetype>(IdWidth, nameField.size())).trimmed();
}

QStringList read(const QString &fileName)
{
    QStringList lines;
    TextFile::readLines(Folders::findAnyCase(fileName), &lines);
    lines.removeIf([](const QString &line) { return !line.contains(QLatin1Char('|')); });
    return lines;
}

bool write(const QString &fileName, const QStringList &lines, QString *errorString)
{
    return TextFile::writeLines(fileName, lines, errorString);
}

QList<FileLine> fileLines(const QByteArray &bytes)
{
    QList<FileLine> lines;
    for (const QByteArray &line : TextFile::linesWithEnds(bytes))
        lines.append({line, TextFile::lineText(line)});
    return lines;
}

FileLine lineForRow(const QString &row)
{
    const QString text = TextFile::fileLine(QString(row).replace(QLatin1Char('\t'), QLatin1Char('|')));
    return {TextFile::encode(text) + "\r\n", text};
}

QByteArray fileBytes(const QList<FileLine> &lines)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += lines.at(i).bytes;
        const char last = bytes.isEmpty() ? '\n' : bytes.back();
        if (i + 1 < lines.size() && last != '\n' && last != '\r')
            bytes += "\r\n";
    }
    return bytes;
}

QByteArray readBytes(const QString &fileName)
{
    QFile file(Folders::findAnyCase(fileName));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QList<SelectorItem> selectorItems(const QStringList &lines)
{
    QList<SelectorItem> items;
    for (const QString &line : lines) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar < 0)
            continue;
        const qsizetype idStart = qMax<qsizetype>(0, bar - 6);
        const QString idText = line.mid(idStart, bar - idStart).trimmed();
        qsizetype digits = 0;
        while (digits < idText.size() && idText.at(digits) >= QLatin1Char('0') && idText.at(digits) <= QLatin1Char('9'))
            ++digits;
        const qint32 id = wholeNumber(idText.left(digits).toDouble());
        const QString account = line.mid(bar + 1);
        items.append({line.left(idStart).trimmed() + QLatin1String(" / ") + account, id, account});
    }
    return items;
}

qint64 nextId(qint64 maxId, const QStringList &fileNames)
{
    static const QRegularExpression carrier(QStringLiteral("^quendra([0-9]+)\\."),
                                            QRegularExpression::CaseInsensitiveOption);
    QSet<qint64> carried;
    for (const QString &name : fileNames) {
        // Another name gives no number; neither do more digits than a
        // qint64 holds, and those block no id a bank can have anyway.
        bool ok = false;
        const qint64 id = carrier.match(name).captured(1).toLongLong(&ok);
        if (ok)
            carried.insert(id);
    }
    qint64 id = maxId + 1;
    while (carried.contains(id))
        ++id;
    return id;
}

QString refusedCharacters(const QString &text)
{
    QString refused;
    for (const QChar c : text) {
        const bool bad = c == QLatin1Char('|') || c.category() == QChar::Other_Control
            || c == QChar::LineSeparator || c == QChar::ParagraphSeparator || !TextFile::canEncode(QString(c));
        if (bad && !refused.contains(c))
            refused.append(c);
    }
    return refused;
}

} // namespace BankArchive
