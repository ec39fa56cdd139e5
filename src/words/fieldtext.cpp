#include "fieldtext.h"

#include "amounttext.h"
#include "textfile.h"

#include <QRegularExpression>

#include <functional>

namespace FieldText {

namespace {

bool isFormat(char32_t c)
{
    return QChar::category(c) == QChar::Other_Format;
}

/// The plain Windows-1252 form of c, or nothing: its compatibility
/// decomposition without the combining marks.
QString plainForm(char32_t c)
{
    QString plain = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    plain.removeIf([](QChar ch) { return ch.category() == QChar::Mark_NonSpacing; });
    return !plain.isEmpty() && TextFile::canEncode(plain) ? plain : QString();
}

/// Letters, digits, punctuation and symbols show on screen; blanks,
/// controls and marks alone do not, nor do the few letters that are blanks.
bool drawsSomething(char32_t c)
{
    if (c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x2800)
        return false;
    const QChar::Category category = QChar::category(c);
    return (category >= QChar::Number_DecimalDigit && category <= QChar::Number_Other)
        || category >= QChar::Letter_Uppercase;
}

void addOnce(QString *list, const QString &character)
{
    if (list && !list->contains(character))
        list->append(character);
}

struct Edit
{
    QString text;     ///< the field's text after the edit
    qsizetype head;   ///< where the edit began
    QString inserted; ///< what the edit brought in
    QString dropped;  ///< of that, what was left out
};

/// before turned into after by an edit, keeping of the characters the edit
/// brought in only those keep(text) allows, one by one in order.
Edit filteredEdit(const QString &before, const QString &after, int *cursor, QChar (*map)(QChar),
                  const std::function<bool(const QString &)> &keep)
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
    Edit edit{QString(), head, after.mid(head, after.size() - head - tail), QString()};

    QString typed;
    for (QChar c : std::as_const(edit.inserted)) {
        c = map(c);
        if (keep(kept + typed + c + rest))
            typed.append(c);
        else
            edit.dropped.append(c);
    }
    if (cursor) {
        const qsizetype insertedEnd = head + edit.inserted.size();
        if (*cursor >= insertedEnd)
            *cursor -= int(edit.inserted.size() - typed.size());
        else if (*cursor > head)
            *cursor = int(qMin<qsizetype>(*cursor, head + typed.size()));
    }
    edit.text = kept + typed + rest;
    return edit;
}

QChar same(QChar c)
{
    return c;
}

QChar dotAsComma(QChar c)
{
    return c == QLatin1Char('.') ? QLatin1Char(',') : c;
}

} // namespace

QString oneLine(const QString &text)
{
    QString breaks = text;
    breaks.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    // The files keep the C1 controls that stand for Windows-1252's unused
    // bytes; typed or pasted, they are only noise.
    const QString fitted = TextFile::fileLine(breaks);
    QString kept;
    kept.reserve(fitted.size());
    for (const char32_t c : fitted.toUcs4()) {
        if (QChar::category(c) != QChar::Other_Control && !isFormat(c))
            kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

QString storable(const QString &text, QString *refused)
{
    // Composed first, so that a letter pasted as base and mark keeps both.
    const QString line = oneLine(text).normalized(QString::NormalizationForm_C);
    if (TextFile::canEncode(line))
        return line;
    QString kept;
    for (const char32_t c : line.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (TextFile::canEncode(character))
            kept.append(character);
        else if (const QString plain = plainForm(c); !plain.isEmpty())
            kept.append(plain);
        else
            addOnce(refused, character);
    }
    return kept;
}

QString amountEdit(const QString &before, const QString &after, int *cursor, QString *refused)
{
    int at = cursor ? *cursor : 0;
    const Edit edit = filteredEdit(before, after, &at, same, AmountText::isPrefix);
    static const QRegularExpression significant(QStringLiteral("[0-9+-]"));
    if (edit.inserted.size() > 1 && edit.dropped.contains(significant)) {
        if (refused)
            *refused = edit.inserted;
        if (cursor)
            *cursor = int(edit.head);
        return before;
    }
    if (cursor)
        *cursor = at;
    return edit.text;
}

QString marginEdit(const QString &before, const QString &after, int *cursor)
{
    static const QRegularExpression number(QStringLiteral("^ *[+-]?[0-9]*(?:,[0-9]*)? *$"));
    return filteredEdit(before, after, cursor, dotAsComma, [](const QString &text) {
               const auto m = number.match(text, 0, QRegularExpression::PartialPreferCompleteMatch);
               return m.hasMatch() || m.hasPartialMatch();
           }).text;
}

QString shownCharacters(const QString &characters)
{
    QStringList shown;
    for (const char32_t c : characters.toUcs4()) {
        const QString name = c == U'\t' ? QStringLiteral("TAB")
            : drawsSomething(c)          ? QString::fromUcs4(&c, 1)
                                         : QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        if (!shown.contains(name))
            shown.append(name);
    }
    return shown.join(QLatin1Char(' '));
}

} // namespace FieldText
