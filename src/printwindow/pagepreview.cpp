#include "pagepreview.h"

#include "qtprintdevice.h"

#include <QHBoxLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::unique_ptr<QPrinter> printerLike(const QString &printerName)
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(printerName);
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace

PagePreview::PagePreview(const QString &printerName, PageDrawer drawPage, QWidget *parent)
    : QDialog(parent)
    , m_drawPage(std::move(drawPage))
    , m_printer(printerLike(printerName))
{
    setObjectName(QStringLiteral("PagePreview"));
    setWindowTitle(QStringLiteral("Anteprima di stampa"));
    setModal(true);

    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("Pagina"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        QtPrintDevice device(*printer);
        m_drawPage(device);
    });
    m_view->fitInView();

    auto *close = new QPushButton(QStringLiteral("&Chiudi"), this);
    close->setObjectName(QStringLiteral("Chiudi"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(900, 640);
}

PagePreview::~PagePreview() = default;
