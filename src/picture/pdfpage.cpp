#include "pdfpage.h"

#include <QCoreApplication>
#include <QLibrary>

namespace PdfPage {

Page draw(const QString &file, int dpi, qint64 maxBytes)
{
    // Beside the program in the build tree, in its library folder once
    // installed; a module that is missing is a PDF that cannot be read.
    static QuendraDrawPdfPage *const drawPage = [] {
        const QString here = QCoreApplication::applicationDirPath();
        for (const QString &folder : {here, here + QStringLiteral("/" QUENDRA_MODULE_FOLDER_FROM_PROGRAM)}) {
            QLibrary module(folder + QStringLiteral("/libquendra_pdfpage"));
            if (auto *entry = reinterpret_cast<QuendraDrawPdfPage *>(module.resolve("quendraDrawPdfPage")))
                return entry;
        }
        return static_cast<QuendraDrawPdfPage *>(nullptr);
    }();
    Page page;
    if (drawPage)
        drawPage(file, dpi, maxBytes, &page);
    return page;
}

} // namespace PdfPage
