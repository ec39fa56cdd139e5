#include "pdfpage.h"

#include <QPdfDocument>

extern "C" Q_DECL_EXPORT void quendraDrawPdfPage(const QString &file, int dpi, PdfPage::Page *page)
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
    const QSize pixels = (document.pagePointSize(0) * dpi / 72.0).toSize();
    page->image = pixels.isEmpty() ? QImage() : document.render(0, pixels);
    page->result = page->image.isNull() ? Result::NotDrawable : Result::Drawn;
}
