#include "payeelist.h"

#include "appstate.h"
#include "beneficiaryarchive.h"
#include "combomessages.h"
#include "fieldtext.h"
#include "folders.h"
#include "messageboxes.h"
#include "textfile.h"
#include "textlinesmodel.h"
#include "unsavednotice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

#include <utility>

PayeeList::PayeeList(QComboBox &combo, AppState &state, MessageBoxes &messages)
    : QObject(&combo)
    , m_combo(combo)
    , m_state(state)
    , m_messages(messages)
    , m_model(new TextLinesModel(&combo))
{
    // The archive may hold a million names: they stay in the file's own
    // bytes, the list view does not measure every row, and the combo box
    // does not size itself to the longest name (its size is fixed anyway).
    combo.setModel(m_model);
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto *list = qobject_cast<QListView *>(combo.view()))
        list->setUniformItemSizes(true);
    connect(m_model, &TextLinesModel::loaded, this, &PayeeList::ensureLoaded);
}

void PayeeList::load()
{
    // A long archive is read on another thread once the window is on its
    // way, so that neither waits for the other; the lookup for
    // auto-completion is left for the first key.
    m_readPending = true;
    QTimer::singleShot(0, this, &PayeeList::startReading);
    m_combo.setCurrentIndex(-1);
    m_combo.clearEditText();
}

void PayeeList::startReading()
{
    if (!std::exchange(m_readPending, false))
        return;
    m_model->startLoading(Folders::findAnyCase(BeneficiaryArchive::fileName(m_state.DataFolder)));
}

void PayeeList::ensureLoaded()
{
    // Needed before the read has even started, the file is read here.
    const bool unread = std::exchange(m_readPending, false);
    if (!unread && !m_model->isLoading())
        return;
    // Taking the names in resets the list, which would empty the field or
    // put the first name into it: what is in the field by then stays.
    const QString text = m_combo.currentText();
    const int cursor = m_combo.lineEdit()->cursorPosition();
    if (unread)
        m_model->load(Folders::findAnyCase(BeneficiaryArchive::fileName(m_state.DataFolder)));
    else
        m_model->finishLoading();
    m_combo.setCurrentIndex(-1);
    m_combo.setEditText(text);
    m_combo.lineEdit()->setCursorPosition(cursor);
}

void PayeeList::prepare()
{
    ensureLoaded();
    if (m_prepared)
        return;
    m_prepared = true;
    // The field is about to be used: the lookup is sorted on another thread
    // and the list laid out now, so that the first key only opens it.
    prepareSelectString(m_combo);
    m_combo.view()->doItemsLayout();
}

void PayeeList::SaveBeneficiario(bool silentMode)
{
    ensureLoaded();
    const QString name = m_combo.currentText().trimmed();
    if (name.isEmpty()) {
        if (!silentMode) {
            m_messages.notify(QStringLiteral("Occorre digitare un Beneficiario."), MessageBoxes::Icon::Critical);
            m_combo.setFocus();
        }
        return;
    }
    if (m_model->indexOf(name) >= 0) {
        if (!silentMode)
            m_messages.notify(QStringLiteral("Beneficiario già presente."), MessageBoxes::Icon::Exclamation);
        return;
    }
    // The archive is 8-bit text: a name it cannot hold would come back
    // garbled at the next start, so it is not offered at all.
    const QString unstorable = BeneficiaryArchive::unstorableCharacters(name);
    if (!unstorable.isEmpty()) {
        m_messages.notify(QStringLiteral("Il Beneficiario «") + name
                              + QStringLiteral("» contiene caratteri che l'archivio dei Beneficiari "
                                               "non può conservare (")
                              + FieldText::shownCharacters(unstorable) + QStringLiteral(") e non viene salvato."),
                          MessageBoxes::Icon::Exclamation);
        return;
    }
    const auto answer = m_messages.question(QStringLiteral("Si desidera aggiungere «") + name
                                                + QStringLiteral("» all'archivio dei Beneficiari?"),
                                            MessageBoxes::Icon::Exclamation, MessageBoxes::Answer::Yes);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    // A name that could not be stored is still offered for this run.
    const QString archive = BeneficiaryArchive::fileName(m_state.DataFolder);
    QString reason;
    // The names read from a Windows copy ("BENEFICIARI.INI") go into our
    // file whole: begun by an append, it would hide them from then on.
    const bool saved = Folders::findAnyCase(archive) == archive
        ? BeneficiaryArchive::append(archive, name, &reason)
        : TextFile::writeBytes(archive, m_model->fileBytes() + TextFile::joinLines({name}), &reason);
    if (!saved)
        notifyUnsaved(m_messages, archive, reason);
    const QString typed = m_combo.currentText();
    m_model->append(name);
    // Adding the first item would otherwise replace what the field shows.
    m_combo.setEditText(typed);
}

void PayeeList::deleteBeneficiary()
{
    ensureLoaded();
    const QString name = m_combo.currentText().trimmed();
    if (name.isEmpty())
        return;
    const int index = m_model->indexOf(name);
    if (index < 0) {
        m_combo.clearEditText();
        return;
    }
    const auto answer = m_messages.question(QStringLiteral("Si desidera ELIMINARE «") + name
                                                + QStringLiteral("» all'archivio dei Beneficiari?"),
                                            MessageBoxes::Icon::Critical, MessageBoxes::Answer::No);
    if (answer != MessageBoxes::Answer::Yes)
        return;
    m_combo.removeItem(index);
    m_combo.setCurrentIndex(-1);
    m_combo.clearEditText();
    // The names go back byte for byte, never through Unicode and back.
    const QString archive = BeneficiaryArchive::fileName(m_state.DataFolder);
    QString reason;
    if (!TextFile::writeBytes(archive, m_model->fileBytes(), &reason))
        notifyUnsaved(m_messages, archive, reason);
}
