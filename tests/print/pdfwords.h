#pragma once

#include <QList>
#include <QString>

/// One word as `pdftotext -bbox` reports it, in PDF points from the page's
/// top-left corner. xMin is where the first glyph's origin sits; yMin and
/// yMax are the baseline less the font's declared ascent and descent.
struct PdfWord
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct PdfPage
{
    double width = 0; ///< points
    double height = 0;
    QList<PdfWord> words; ///< in pdftotext's reading order
};

constexpr double MillimetresPerPoint = 25.4 / 72;

/// True when pdftotext can be started.
bool havePdfToText();

/// The pages of \a pdfFile read through `pdftotext -bbox`; an empty list and
/// \a error set when the tool fails.
QList<PdfPage> readPdfWords(const QString &pdfFile, QString *error);

struct PdfLine
{
    QString text;      ///< the words joined by one blank
    double top = 0;    ///< yMin of the first word, points
    double height = 0; ///< yMax - yMin, points: ascent plus descent of the font size
};

/// The words grouped into lines (yMin within 0.5 pt), top line first.
QList<PdfLine> pdfLines(const PdfPage &page);
