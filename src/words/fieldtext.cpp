#include "fieldtext.h"

#include "textfile.h"

namespace FieldText {

QString oneLine(const QString &text)
{
    QString breaks = text;
    breaks.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    // The files keep the C1 controls that stand for Windows-1252's unused
    // bytes; typed or pasted, they are only noise.
    QString kept = TextFile::fileLine(breaks);
    kept.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return kept;
}

QString storable(const QString &text)
{
    QString kept = oneLine(text);
    kept.removeIf([](QChar c) { return !TextFile::canEncode(QString(c)); });
    return kept;
}

QString amountEdit(const QString &before, const QString &after, int *cursor)
{
    // The edit replaced before's middle with after's middle; the common ends
    // are what it left alone.
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    const QString kept = after.left(head);
    const QString rest = after.right(tail);
    const QString inserted = after.mid(head, after.size() - head - tail);

    QString typed;
    for (QChar c : inserted) {
        if (c == QLatin1Char('.'))
            c = QLatin1Char(',');
        if (c.isDigit() && c.unicode() < 0x80)
            typed.append(c);
        else if (c == QLatin1Char(',') && !kept.contains(c) && !typed.contains(c) && !rest.contains(c))
            typed.append(c);
    }
    if (cursor) {
        const qsizetype insertedEnd = head + inserted.size();
        if (*cursor >= insertedEnd)
            *cursor -= int(inserted.size() - typed.size());
        else if (*cursor > head)
            *cursor = int(qMin<qsizetype>(*cursor, head + typed.size()));
    }
    return kept + typed + rest;
}

} // namespace FieldText
