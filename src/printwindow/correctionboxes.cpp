#include "correctionboxes.h"

#include "fieldguard.h"
#include "messageboxes.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

/// An empty box stands for no correction, as an emptied box is meant.
std::optional<int> read(const QLineEdit &box)
{
    return box.text().trimmed().isEmpty() ? 0 : PaperOffset::tenths(box.text());
}

} // namespace

CorrectionBoxes::CorrectionBoxes(const PrinterOffsets &offsets, QWidget *parent)
    : QWidget(parent)
    , m_read(offsets)
    , m_offsets(offsets)
    , m_x(new QLineEdit(this))
    , m_y(new QLineEdit(this))
{
    m_x->setObjectName(QStringLiteral("CorrezioneOrizzontale"));
    m_y->setObjectName(QStringLiteral("CorrezioneVerticale"));
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString captions[] = {QStringLiteral("Correzione &orizzontale, mm (+ verso destra):"),
                                QStringLiteral("Correzione &verticale, mm (+ verso il basso):")};
    int row = 0;
    for (QLineEdit *box : {m_x, m_y}) {
        // Sign, digits and one decimal comma, a dot taken as the comma,
        // however the text comes in.
        FieldGuard::install(*box, FieldGuard::Rule::Margin);
        box->setMaxLength(8);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-00,0")) * 2);
        box->setAlignment(Qt::AlignRight);
        auto *label = new QLabel(captions[row++], this);
        label->setBuddy(box);
        layout->addRow(label, box);
        connect(box, &QLineEdit::textChanged, this, &CorrectionBoxes::keepTyped);
    }
}

void CorrectionBoxes::showPrinter(const QString &printer)
{
    m_printer = printer;
    const PaperOffset offset = m_offsets.of(printer);
    m_showing = true;
    m_x->setText(PaperOffset::text(offset.x));
    m_y->setText(PaperOffset::text(offset.y));
    m_showing = false;
}

void CorrectionBoxes::keepTyped()
{
    if (m_showing || m_printer.isEmpty())
        return;
    // A box halfway through an edit ("-") keeps the printer's last value.
    PaperOffset offset = m_offsets.of(m_printer);
    offset.x = read(*m_x).value_or(offset.x);
    offset.y = read(*m_y).value_or(offset.y);
    m_offsets.set(m_printer, offset);
}

bool CorrectionBoxes::readable(MessageBoxes &messages)
{
    for (QLineEdit *box : {m_x, m_y}) {
        if (read(*box))
            continue;
        messages.notify(QStringLiteral("La correzione %1 deve essere un numero di millimetri da -%2 a %2, "
                                       "con al più un decimale, per esempio 1,5 oppure -0,5.")
                            .arg(box == m_x ? QStringLiteral("orizzontale") : QStringLiteral("verticale"),
                                 PaperOffset::text(PaperOffset::Limit)),
                        MessageBoxes::Icon::Exclamation);
        box->setFocus();
        box->selectAll();
        return false;
    }
    return true;
}
