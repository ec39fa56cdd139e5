#pragma once

#include "chequelayout.h"
#include "designstate.h"
#include "snapshothistory.h"

#include <QDialog>

class ChequeBackdrop;
class DesignLabels;
class PositionBoxes;
class MessageBoxes;
class PrintDevice;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;

/// The calibration window: the seven cheque fields as labels on an area
/// that stands for the cheque at full size, where the user fits one bank's
/// layout file to its form, tries it on paper and saves it.
///
/// It reads and writes the bank's layout file and its picture only; the
/// layout the cheque print uses is read afresh at the next print. Every
/// change can be undone until it is saved, and closing with unsaved
/// changes asks first. The window can be enlarged to show a whole form.
/// Open it with exec().
class frmDesign : public QDialog
{
    Q_OBJECT

public:
    /// idBanca names the layout file (0 or less: the default one); the bank
    /// name and account number go into the caption and the questions.
    frmDesign(const QString &dataFolder, qint32 idBanca, const QString &bankName,
              const QString &accountNumber, MessageBoxes &messages, PrintDevice &printer,
              QWidget *parent = nullptr);
    ~frmDesign() override;

    /// Loads the bank's layout file into the labels, the origin boxes and
    /// PrintComma. A missing file leaves everything as it is; a line that
    /// is not a number leaves its label where it was.
    void InitPositions();

    /// The labels' positions in twips and PrintComma as the window shows
    /// them now (the margins stay 0: they are text, see SXmargin/DXmargin).
    ChequeLayout positions() const;

    QLabel *LUOGO;
    QLabel *GGMMAAAA;
    QLabel *IMPORTO_CIFRE;
    QLabel *IMPORTO_DEC;
    QLabel *IMPORTO_ABC;
    QLabel *BENEFICIARIO;
    QLabel *NUMEROcc;
    QGroupBox *Frame1;
    QLabel *Label1;
    QLineEdit *SXmargin;
    QLabel *Label3;
    QLabel *Label2;
    QLineEdit *DXmargin;
    QLabel *Label4;
    QCheckBox *PrintComma;
    QPushButton *StampaTest;
    QPushButton *SalvaPos;
    QPushButton *Resetta;
    QLabel *MsgLabel;
    /// The picture of the real cheque behind the labels, if the user gave one.
    ChequeBackdrop *Backdrop;
    /// The current field's position in millimetres.
    PositionBoxes *Position;

    /// Whether everything shown is what the files hold.
    bool isSaved() const { return m_history.isSaved(); }
    /// One change back, or on again; as CTRL+Z and CTRL+Y.
    void undo();
    void redo();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Anchored
    {
        QWidget *widget;
        QRect designed; ///< pixels, at the designed size
        bool right;     ///< keeps its distance from the right edge
    };

    void createControls();
    void createShortcuts();
    DesignState current() const;
    void apply(const DesignState &state);
    void record();
    void openMenu();
    void showFiguresCaption();
    void salvaPos();
    void resetta();
    void stampaTest();
    bool save();

    const QString m_dataFolder;
    const qint32 m_idBanca;
    const QString m_bankName;
    MessageBoxes &m_messages;
    PrintDevice &m_printer;
    DesignLabels *m_labels = nullptr;
    QList<Anchored> m_anchored;
    SnapshotHistory<DesignState> m_history;
    bool m_applying = false;
};
