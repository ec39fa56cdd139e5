#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class PrintDevice;
class QPrintPreviewWidget;
class QPrinter;

/// The page a print would put on paper, drawn on screen by the same
/// routine through the same QPainter back end, on a printer set up like
/// the chosen one: its paper, its resolution. It prints nothing itself.
class PagePreview : public QDialog
{
    Q_OBJECT

public:
    /// Draws one page on the device it is given; true when all went well.
    using PageDrawer = std::function<bool(PrintDevice &)>;

    /// \a printerName is the printer the page is meant for; a name the
    /// system does not know gives an A4 sheet, as the PDF output has.
    PagePreview(const QString &printerName, PageDrawer drawPage, QWidget *parent = nullptr);
    ~PagePreview() override;

    /// The printer the preview draws on.
    QPrinter &printer() { return *m_printer; }
    QPrintPreviewWidget *view() const { return m_view; }

private:
    PageDrawer m_drawPage;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_view;
};
