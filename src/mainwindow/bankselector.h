#pragma once

#include <QObject>

struct AppState;
class QComboBox;
class QLineEdit;

/// The main window's bank selector BANCA: filled from the bank archive,
/// it sets the current bank IDbanca and shows its account number in NumCC
/// whenever a bank is chosen and whenever the focus leaves it.
class BankSelector : public QObject
{
    Q_OBJECT

public:
    BankSelector(QComboBox &banca, QLineEdit &numCC, AppState &state);

    /// Refills BANCA from the archive and selects the bank IDbanca (the
    /// first bank when none has that id), which runs the selection rule.
    void PopolaBanche();

    /// IDbanca becomes the bank whose layout file was written last.
    void SetLastIDbanca();

    /// NumCC and IDbanca from the selected item (empty and 0 with none).
    void selectionRule();

    /// The item data role of BANCA that holds a bank's account number.
    static constexpr int AccountRole = Qt::UserRole + 1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox &m_banca;
    QLineEdit &m_numCC;
    AppState &m_state;
};
