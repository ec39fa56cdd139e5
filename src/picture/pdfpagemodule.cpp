#include "pdfpage.h"

#include <QPdfDocument>

extern "C" Q_DECL_EXPORT void quendraDrawPdfPage(const QString &file, int dpi, qint64 maxBytes, PdfPage::Page *page)
{
    using PdfPage::Result;
    QPdfDocument document;
    if (document.load(file) != QPdfDocument::Error::None) {
        page->result = Result::Unreadable;
        return;
    }
    page->pageCount = document.pageCount();
    if (page->pageCount != 1) {
        page->result = Result::NotOnePage;
        return;
    }
    // The page's declared size decides, before a single pixel is drawn.
    page->points = document.pagePointSize(0);
    const QSizeF pixels = page->points * dpi / 72.0;
    const bool fits = !pixels.isEmpty() && pixels.width() * pixels.height() * 4 <= double(maxBytes);
    page->image = fits ? document.render(0, pixels.toSize()) : QImage();
    page->result = page->image.isNull() ? Result::NotDrawable : Result::Drawn;
}
