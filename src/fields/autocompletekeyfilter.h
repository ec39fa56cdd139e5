#pragma once

#include <QObject>

class QComboBox;
class QKeyEvent;

/// Runs every character typed into an editable combo box through
/// AutoCompleteComboBox and delivers the key it returns: none for 0, the
/// original key when it comes back unchanged. Install it on the combo box
/// itself (not on its line edit), which is where the keys arrive, also
/// while the drop-down list is open.
class AutoCompleteKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit AutoCompleteKeyFilter(QComboBox &combo);

    /// The character code of a key press as auto-completion takes it, or -1
    /// for a key that types no character (arrows, Delete, Tab, Alt+key),
    /// which goes to the combo box untouched.
    static int characterCode(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox &m_combo;
};
