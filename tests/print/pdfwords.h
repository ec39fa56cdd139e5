#pragma once

#include <QList>
#include <QString>

/// One word as `pdftotext -bbox` reports it, in points from the page's
/// top-left corner: xMin is the first glyph's origin, yMin and yMax the
/// baseline less the font's declared ascent and descent.
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
    QList<PdfWord> words;
    QString text; ///< `pdftotext -raw`: the texts in the order they were drawn
};

bool havePdfToText();

/// The first page of \a pdfFile; width 0 when pdftotext fails.
PdfPage readPdfPage(const QString &pdfFile);
