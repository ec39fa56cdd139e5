#include "picturealigndialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

namespace {

QDoubleSpinBox *millimetres(const char *name, double from, double to, double value, QWidget *parent)
{
    auto box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    // The decimal comma, whatever the machine's language, as in every box
    // of the program.
    box->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    box->setDecimals(1);
    box->setRange(from, to);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

} // namespace

PictureAlignDialog::PictureAlignDialog(const PictureAlignment &alignment, bool sizeAssumed, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PictureAlignDialog"));
    setWindowTitle(QStringLiteral("Allinea l'immagine"));
    constexpr double Most = PictureAlignmentFile::MostMm;
    right = millimetres("right", -Most, Most, alignment.offsetXMm, this);
    down = millimetres("down", -Most, Most, alignment.offsetYMm, this);
    turn = new QComboBox(this);
    turn->setObjectName(QStringLiteral("turn"));
    for (int degrees : {0, 90, 180, 270})
        turn->addItem(QStringLiteral("%1°").arg(degrees), degrees);
    turn->setCurrentIndex(turn->findData(alignment.turnDegrees));
    width = millimetres("width", 0, Most, alignment.widthMm, this);
    width->setSpecialValueText(QStringLiteral("come nel file"));

    auto form = new QFormLayout(this);
    form->addRow(QStringLiteral("Sposta a &destra di"), right);
    form->addRow(QStringLiteral("Sposta in &basso di"), down);
    form->addRow(QStringLiteral("&Ruota in senso orario di"), turn);
    form->addRow(QStringLiteral("&Larghezza reale"), width);
    if (sizeAssumed) {
        auto note = new QLabel(QStringLiteral("Il file non dice a che risoluzione è stato fatto: misurare la "
                                              "larghezza del modulo vero e scriverla qui."),
                               this);
        note->setWordWrap(true);
        form->addRow(note);
    }
    auto buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PictureAlignment PictureAlignDialog::alignment() const
{
    PictureAlignment a;
    a.offsetXMm = right->value();
    a.offsetYMm = down->value();
    a.turnDegrees = turn->currentData().toInt();
    a.widthMm = width->value();
    return a;
}

std::optional<PictureAlignment> PictureAlignDialog::ask(const PictureAlignment &alignment, bool sizeAssumed,
                                                         QWidget *parent)
{
    PictureAlignDialog dialog(alignment, sizeAssumed, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.alignment();
}
