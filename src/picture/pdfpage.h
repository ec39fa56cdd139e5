#pragma once

#include <QImage>
#include <QString>

/// The only page of a PDF as a picture. The PDF library, and the network
/// library it brings along, would cost every start of the program a few
/// milliseconds to load, for a picture opened once in a while: they sit
/// in a module of their own, loaded the first time a PDF is drawn.
namespace PdfPage {

enum class Result { Drawn, Unreadable, NotOnePage, NotDrawable, NoModule };

struct Page
{
    Result result = Result::NoModule;
    int pageCount = 0;
    QSizeF points; // the page's size, 72 an inch
    QImage image;  // Drawn: the page at the resolution asked for
};

/// Draws the page of \a file at \a dpi, if it has exactly one and its
/// pixels take at most \a maxBytes (else NotDrawable).
Page draw(const QString &file, int dpi, qint64 maxBytes);

} // namespace PdfPage

/// The module's one entry point.
extern "C" typedef void QuendraDrawPdfPage(const QString &file, int dpi, qint64 maxBytes, PdfPage::Page *page);
