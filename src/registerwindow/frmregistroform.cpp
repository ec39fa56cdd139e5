// The register window's form: the filters above, the table, the total and
// the buttons below.

#include "frmregistro.h"

#include "registertablemodel.h"
#include "screenreader.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

void FrmRegistro::createControls()
{
    setObjectName(QStringLiteral("FrmRegistro"));
    setWindowTitle(QStringLiteral("Registro assegni"));
    resize(1000, 520);

    auto dateEdit = [this](const char *name) {
        auto edit = new QDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        // The lowest date stands for no bound, and says so.
        edit->setMinimumDate(QDate(2000, 1, 1));
        edit->setSpecialValueText(QStringLiteral("(qualsiasi)"));
        edit->setDate(edit->minimumDate());
        return edit;
    };
    Dal = dateEdit("Dal");
    Al = dateEdit("Al");
    Banca = new QComboBox(this);
    Banca->setObjectName(QStringLiteral("Banca"));
    Banca->setMinimumContentsLength(18);
    Beneficiario = new QLineEdit(this);
    Beneficiario->setObjectName(QStringLiteral("Beneficiario"));
    Beneficiario->setPlaceholderText(QStringLiteral("parte del nome"));
    Beneficiario->setClearButtonEnabled(true);

    auto filters = new QHBoxLayout;
    auto caption = [this, filters](const QString &text, QWidget *buddy) {
        auto label = new QLabel(text, this);
        label->setBuddy(buddy);
        filters->addWidget(label);
        filters->addWidget(buddy);
    };
    caption(QStringLiteral("&Dal"), Dal);
    caption(QStringLiteral("&al"), Al);
    caption(QStringLiteral("&Banca"), Banca);
    caption(QStringLiteral("B&eneficiario"), Beneficiario);
    filters->setStretch(filters->count() - 1, 1);

    m_model = new RegisterTableModel;
    Tabella = new QTableView(this);
    Tabella->setObjectName(QStringLiteral("Tabella"));
    Tabella->setModel(m_model);
    Tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabella->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    Tabella->setAlternatingRowColors(true);
    Tabella->verticalHeader()->hide();
    // Fixed widths: measuring a hundred thousand rows would take seconds.
    const QList<int> widths = {126, 150, 80, 85, 78, 165, 78, 82, 170, 80};
    for (int column = 0; column < widths.size(); ++column)
        Tabella->setColumnWidth(column, widths[column]);
    Tabella->horizontalHeader()->setStretchLastSection(true);
    Tabella->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tabella->verticalHeader()->setDefaultSectionSize(Tabella->fontMetrics().height() + 8);
    Tabella->setWordWrap(false);

    Totale = new QLabel(this);
    Totale->setObjectName(QStringLiteral("Totale"));

    Motivo = new QLineEdit(this);
    Motivo->setObjectName(QStringLiteral("Motivo"));
    Motivo->setPlaceholderText(QStringLiteral("perché l'assegno viene annullato"));
    auto button = [this](const char *name, const QString &text, const QString &tip) {
        auto b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    Annulla = button("Annulla", QStringLiteral("A&nnulla assegno"),
                     QStringLiteral("Segna l'assegno scelto come annullato, con il motivo scritto accanto"));
    Ristampa = button("Ristampa", QStringLiteral("&Ristampa"),
                      QStringLiteral("Copia i dati dell'assegno scelto nella finestra principale per un nuovo assegno"));
    Esporta = button("Esporta", QStringLiteral("Esporta &CSV…"),
                     QStringLiteral("Salva gli assegni mostrati in un file per il foglio di calcolo"));
    Chiudi = button("Chiudi", QStringLiteral("C&hiudi"), QStringLiteral("Chiude il registro"));

    auto actions = new QHBoxLayout;
    auto motivoLabel = new QLabel(QStringLiteral("&Motivo"), this);
    motivoLabel->setBuddy(Motivo);
    actions->addWidget(motivoLabel);
    actions->addWidget(Motivo, 1);
    actions->addWidget(Annulla);
    actions->addSpacing(16);
    actions->addWidget(Ristampa);
    actions->addWidget(Esporta);
    actions->addWidget(Chiudi);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(Tabella, 1);
    layout->addWidget(Totale);
    layout->addLayout(actions);

    ScreenReader::nameControls(*this, {{QStringLiteral("Dal"), QStringLiteral("Stampati dal giorno")},
                                       {QStringLiteral("Al"), QStringLiteral("Stampati fino al giorno")},
                                       {QStringLiteral("Banca"), QStringLiteral("Banca")},
                                       {QStringLiteral("Beneficiario"), QStringLiteral("Beneficiario contiene")},
                                       {QStringLiteral("Tabella"), QStringLiteral("Assegni stampati")},
                                       {QStringLiteral("Totale"), QStringLiteral("Totale")},
                                       {QStringLiteral("Motivo"), QStringLiteral("Motivo dell'annullamento")}});
}
