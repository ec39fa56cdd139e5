#pragma once

#include <QObject>

struct AppState;
class MessageBoxes;
class QComboBox;
class TextLinesModel;

/// The payee archive behind BENEFICIARIO: its list, the AddBEN and DelBEN
/// buttons and the silent offer made before a print. The names stay in
/// the archive's own 8-bit bytes, so a list of a million costs little.
class PayeeList : public QObject
{
    Q_OBJECT

public:
    PayeeList(QComboBox &combo, AppState &state, MessageBoxes &messages);

    /// Starts filling the list from the archive; the field stays empty.
    void load();
    /// Waits until the archive is in the list; what the field holds stays.
    void ensureLoaded();

    /// Gets the list ready for its first key: the archive is taken in, the
    /// lookup sorted on another thread and the drop-down laid out, once.
    void prepare();

    /// Offers the name in the field for the archive. silentMode keeps quiet
    /// about an empty name and one already stored; the question whether to
    /// add a new name is asked either way.
    void SaveBeneficiario(bool silentMode);

    /// DelBEN: asks, then removes the name from the list and the archive.
    void deleteBeneficiary();

private:
    void startReading();

    QComboBox &m_combo;
    AppState &m_state;
    MessageBoxes &m_messages;
    TextLinesModel *m_model;
    bool m_readPending = false;
    bool m_prepared = false;
};
