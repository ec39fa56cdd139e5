#pragma once

#include "twips.h"

#include <QWidget>

#include <memory>

struct AppState;
struct ChequeRecord;
class FileChooser;
class BankSelector;
class Banner;
class MessageBoxes;
class PrintDevice;
class UrlOpener;
class VendorPanel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class PayeeList;

/// The main window: the cheque's entry fields, the payee archive buttons,
/// the print and calibration buttons, and the vendor panel with its banner.
/// It lives for the whole run; closing it ends the program.
class FrmInput : public QWidget
{
    Q_OBJECT

public:
    /// dataFolder: where the data folder should be; load() creates it.
    FrmInput(AppState &state, const QString &dataFolder, MessageBoxes &messages, UrlOpener &urls,
             PrintDevice &printer, QWidget *parent = nullptr);
    ~FrmInput() override;

    /// Runs the start-up sequence. Returns false when the data folder
    /// cannot be created: the user has been told and the program must end.
    bool load();

    /// Yellow for the focused text or combo box, the window colour for the
    /// others; a button taking the focus only clears the highlight.
    void CtlFocus(QWidget *control);

    /// Offers the name in BENEFICIARIO for the payee archive. silentMode
    /// keeps quiet about an empty name and one already stored; the question
    /// whether to add a new name is asked either way.
    void SaveBeneficiario(bool silentMode);

    /// The print button: checks the fields, offers a new payee for the
    /// archive, lets the user choose the printer, remembers place and
    /// account number in the bank's layout file and prints the cheque.
    void printCheque();

    /// The Calibrazione button: the bank list window in place of this one,
    /// then BANCA refilled from the archive it leaves.
    void openBankList();

    /// The register button (Ctrl+R): the register window; its Ristampa
    /// fills the fields from a cheque printed before.
    void openRegister();

    /// The fields as they were for \a cheque, for a new print of it.
    void fillFrom(const ChequeRecord &cheque);

    // The controls, under the names the rest of the program knows them by.
    QLineEdit *LUOGO;
    QLineEdit *GGMMAAAA;
    QLineEdit *IMPORTO;
    QLineEdit *IMPORTO_ABC;
    QComboBox *BENEFICIARIO;
    QComboBox *BANCA;
    QLineEdit *NumCC;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label7;
    QLabel *ETABC;
    QPushButton *AddBEN;
    QPushButton *DelBEN;
    QPushButton *StampaAssegno;
    QPushButton *Calibrazione;
    QPushButton *Registro;
    VendorPanel *brLOGO;
    QLabel *brRecapiti;
    QLabel *brURL;
    Banner *Frame1;
    QLabel *TxtSpot;
    QFrame *Frame2;
    QFrame *Shape1;
    QFrame *Shape2;
    QFrame *Shape3;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void setTabOrderOfFields();
    void writeDefaultLayoutIfMissing();
    void InitSpot();
    void refreshAmountInWords();
    QWidget *fieldOf(QWidget *focused) const;
    QString bankName(int index) const;

    AppState &m_state;
    const QString m_dataFolder;
    MessageBoxes &m_messages;
    UrlOpener &m_urls;
    PrintDevice &m_printer;
    QList<QWidget *> m_highlightable;
    BankSelector *m_banks = nullptr;
    PayeeList *m_payeeList = nullptr;
    std::unique_ptr<FileChooser> m_files;
    bool m_centred = false;
};
