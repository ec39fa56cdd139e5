#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QLineEdit;

/// Keeps an entry field to its rule whatever the way in: typing, the paste
/// shortcut, the context menu, middle-click paste, drag and drop, text set
/// by the program. A validator filters every change of the text, and Alt
/// chords, which are mnemonics, never type into the field.
class FieldGuard : public QObject
{
    Q_OBJECT

public:
    enum class Rule {
        OneLine,  ///< any text on one line
        Storable, ///< one line of what the Windows-1252 data files can hold
        Amount,   ///< an amount as AmountText reads it, or the start of one
        Margin,   ///< a print origin as the layout file's reader takes it
    };

    /// Told, from the event loop once the edit is done, what a field would
    /// not take: the characters a Storable field cannot keep, or the whole
    /// paste or drop an Amount field refused.
    using RefusedHandler = std::function<void(const QString &refused)>;

    /// Guards edit; the guard belongs to it.
    static void install(QLineEdit &edit, Rule rule, RefusedHandler onRefused = {});
    /// Guards the edit field of an editable combo box, and its Alt chords,
    /// which arrive at the combo box itself.
    static void install(QComboBox &combo, Rule rule);

    /// True for a key press that is an Alt chord, not typing. AltGr arrives
    /// as Ctrl+Alt on some systems and does type characters.
    static bool isAltChord(const QEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FieldGuard(QObject &owner);
};
