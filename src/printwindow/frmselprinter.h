#pragma once

#include "pagepreview.h"

#include <QDialog>

class PrintDevice;
class QHBoxLayout;
class QItemSelection;
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

    /// False only after OK; Annulla, Esc, the close box and any other end
    /// of the window mean no print.
    bool printCancelled() const { return m_printCancelled; }

    void done(int result) override;

private:
    void confirm();
    void keepOneSelected(const QItemSelection &deselected);
    void preview();

    PrintDevice &m_device;
    // Until OK is pressed there is nothing to print on.
    bool m_printCancelled = true;
    QListWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QHBoxLayout *m_buttons;
    PagePreview::PageDrawer m_drawPage;
};
