#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

/// How far a printer feeds its paper off, in tenths of a millimetre, and so
/// how far every position printed on it is moved: positive x to the right,
/// positive y down.
struct PaperOffset
{
    /// The largest correction either way; a printer further off needs
    /// mending, and a larger number in the file is a slip of the hand.
    static constexpr int Limit = 200;

    int x = 0;
    int y = 0;

    QPointF millimetres() const { return {x / 10.0, y / 10.0}; }
    bool isZero() const { return x == 0 && y == 0; }
    friend bool operator==(PaperOffset a, PaperOffset b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(PaperOffset a, PaperOffset b) { return !(a == b); }

    /// Millimetres with one decimal and the decimal comma: "1,5", "-2,0".
    static QString text(int tenths);
    /// A number of millimetres with a decimal comma or dot, blanks around
    /// it allowed, at most one decimal and within Limit; nothing otherwise.
    static std::optional<int> tenths(const QString &text);
};

/// The correction of each printer, as the file Stampanti.ini of the data
/// folder keeps it: one printer a line, its device name, a bar, the
/// horizontal and a bar and the vertical correction in millimetres
/// ("Ufficio|1,5|-2,0"). The name is what comes before the last two bars,
/// so it may hold bars itself. A line that does not read so is kept as it
/// is and counts for nothing; a printer with no line has no correction.
class PrinterOffsets
{
public:
    static QString fileName(const QString &dataFolder);

    static PrinterOffsets fromLines(const QStringList &lines);
    /// The file of \a dataFolder; none there gives no corrections. A file
    /// there that cannot be read gives none either, and refuses to be
    /// saved over (see save()).
    static PrinterOffsets load(const QString &dataFolder);

    /// The first line of the printer named exactly \a printer; zero without.
    PaperOffset of(const QString &printer) const;
    /// Gives \a printer the correction \a offset, in place of its lines; a
    /// zero correction leaves it no line at all.
    void set(const QString &printer, PaperOffset offset);

    QStringList lines() const;
    /// Rewrites the file of \a dataFolder with lines(). False, with the
    /// reason in words for the user, when the file was not read whole or a
    /// printer's name cannot be written in the file's code page.
    bool save(const QString &dataFolder, QString *reason) const;

    friend bool operator==(const PrinterOffsets &a, const PrinterOffsets &b) { return a.lines() == b.lines(); }
    friend bool operator!=(const PrinterOffsets &a, const PrinterOffsets &b) { return !(a == b); }

private:
    struct Line
    {
        QString text;                 ///< as read or as to be written
        QString printer;              ///< empty for a line that does not read
        PaperOffset offset;
    };
    static Line parse(const QString &text);

    QList<Line> m_lines;
    bool m_unread = false; ///< the file is there but could not be read
};
