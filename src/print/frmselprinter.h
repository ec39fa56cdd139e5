#pragma once

#include "pagepreview.h"

#include <QDialog>

class PrintDevice;
class QListWidget;
class QPushButton;

/// The printer selection window shown before every print: lists the
/// printers of \a device, makes the chosen one current and tells the caller
/// whether to print at all. Built afresh for each showing.
class frmSelPrinter : public QDialog
{
    Q_OBJECT

public:
    explicit frmSelPrinter(PrintDevice &device, QWidget *parent = nullptr);
    /// With "Anteprima", which shows what \a drawPage puts on the page
    /// for the printer chosen in the list, before anything is printed.
    frmSelPrinter(PrintDevice &device, PagePreview::PageDrawer drawPage, QWidget *parent = nullptr);

    /// True only after Annulla (or Esc); OK and the close box leave it false.
    bool printCancelled() const { return m_printCancelled; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void confirm();
    void cancel();
    void preview();

    PrintDevice &m_device;
    bool m_printCancelled = false;
    QListWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    PagePreview::PageDrawer m_drawPage;
};
