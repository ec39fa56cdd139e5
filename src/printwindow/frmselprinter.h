#pragma once

#include "pagepreview.h"

#include <QDialog>

class CorrectionBoxes;
class MessageBoxes;
class PrintDevice;
class QHBoxLayout;
class QItemSelection;
class QListWidget;
class QPushButton;

/// The printer selection window shown before every print: lists the
/// printers of \a device, makes the chosen one current with its correction
/// and tells the caller whether to print at all. The corrections are those
/// of \a dataFolder's file, which OK rewrites when one was changed; a
/// failed save is told through \a messages and the window stays open.
/// Built afresh for each showing.
class frmSelPrinter : public QDialog
{
    Q_OBJECT

public:
    frmSelPrinter(PrintDevice &device, const QString &dataFolder, MessageBoxes &messages,
                  QWidget *parent = nullptr);
    /// With "Anteprima", which shows what \a drawPage puts on the page
    /// for the printer chosen in the list, with its correction as typed,
    /// before anything is printed.
    frmSelPrinter(PrintDevice &device, const QString &dataFolder, MessageBoxes &messages,
                  PagePreview::PageDrawer drawPage, QWidget *parent = nullptr);

    /// False only after OK; Annulla, Esc, the close box and any other end
    /// of the window mean no print.
    bool printCancelled() const { return m_printCancelled; }

    void done(int result) override;

    /// The device name chosen in the list, empty when none is.
    QString selectedPrinter() const;

private:
    void confirm();
    void keepOneSelected(const QItemSelection &deselected);
    void preview();

    PrintDevice &m_device;
    const QString m_dataFolder;
    MessageBoxes &m_messages;
    // Until OK is pressed there is nothing to print on.
    bool m_printCancelled = true;
    QListWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    CorrectionBoxes *m_corrections;
    QHBoxLayout *m_buttons;
    PagePreview::PageDrawer m_drawPage;
};
