#include "frmnewbanca.h"

#include "bankarchive.h"
#include "fieldguard.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "screenreader.h"
#include "twips.h"
#include "widgetcolours.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmNewBanca::frmNewBanca(QLineEdit &maxId, const QString &dataFolder,
                         std::function<void(const QString &)> addRow, MessageBoxes &messages, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_maxId(maxId)
    , m_dataFolder(dataFolder)
    , m_addRow(std::move(addRow))
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmNewBanca"));
    setWindowTitle(QStringLiteral("NUOVA BANCA"));
    setModal(true);
    setFixedSize(Twips::toPixels(5025), Twips::toPixels(1710));

    auto label = [this](const char *name, const QString &caption, QRect geometry) {
        auto l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setFont(Twips::font(QStringLiteral("Arial"), 9, true));
        return l;
    };
    auto field = [this](const char *name, QRect geometry) {
        auto e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(geometry);
        e->setFont(Twips::font(QStringLiteral("Arial"), 9.75, true));
        FieldGuard::install(*e, FieldGuard::Rule::OneLine);
        return e;
    };
    auto button = [this](const char *name, const QString &caption, const QString &toolTip, QRect geometry) {
        auto b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(toolTip);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    Label3 = label("Label3", QStringLiteral("Banca"), Twips::rect(135, 180, 915, 285));
    NomeBanca = field("NomeBanca", Twips::rect(765, 135, 4155, 360));
    Label5 = label("Label5", QStringLiteral(" c/c"), Twips::rect(105, 675, 735, 285));
    NumCC = field("NumCC", Twips::rect(765, 630, 4155, 360));
    Label3->setBuddy(NomeBanca);
    Label5->setBuddy(NumCC);
    Salva = button("Salva", QStringLiteral("SALVA"), QStringLiteral("Salva la Banca"), Twips::rect(2340, 1170, 1215, 465));
    Uscita = button("Uscita", QStringLiteral("ESCI"), QStringLiteral("Chiudi"), Twips::rect(3700, 1170, 1215, 465));
    setTabOrder(NomeBanca, NumCC);
    setTabOrder(NumCC, Salva);
    setTabOrder(Salva, Uscita);

    connect(Salva, &QPushButton::clicked, this, &frmNewBanca::save);
    connect(Uscita, &QPushButton::clicked, this, &QDialog::reject);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == NomeBanca || now == NumCC)
            CtlFocus(now);
    });
    CtlFocus(nullptr);
    NomeBanca->setFocus();
    ScreenReader::nameControls(*this, {{QStringLiteral("NomeBanca"), QStringLiteral("Banca")},
                                       {QStringLiteral("NumCC"), QStringLiteral("Numero di conto corrente")}});
}

void frmNewBanca::CtlFocus(QWidget *field)
{
    // The text is made readable on the yellow under a dark theme.
    for (QLineEdit *edit : {NomeBanca, NumCC})
        WidgetColours::setFieldBackground(*edit, edit == field ? QColor(255, 255, 0)
                                                               : QApplication::palette().color(QPalette::Base));
}

// A "|" would split the line when the archive is read back and lose the
// rest of the field; the message says so before anything is stored.
bool frmNewBanca::storable(QLineEdit *field, const QString &what)
{
    QString refused = BankArchive::refusedCharacters(field->text());
    if (refused.isEmpty())
        return true;
    refused.replace(QLatin1Char('\t'), QStringLiteral("TAB"));
    m_messages.notify(what + QStringLiteral(" «") + field->text()
                          + QStringLiteral("» contiene caratteri che l'archivio delle Banche non può "
                                           "conservare (")
                          + refused + QStringLiteral("): occorre toglierli per salvare la Banca."),
                      MessageBoxes::Icon::Exclamation);
    field->setFocus();
    return false;
}

void frmNewBanca::save()
{
    if (NomeBanca->text().trimmed().isEmpty()) {
        m_messages.notify(QStringLiteral("Occorre inserire il nome della Banca."), MessageBoxes::Icon::Critical);
        return;
    }
    if (!storable(NomeBanca, QStringLiteral("Il nome della Banca"))
        || !storable(NumCC, QStringLiteral("Il numero di conto")))
        return;
    const QStringList files = QDir(m_dataFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
    const qint64 id = BankArchive::nextId(qint64(NumberText::leadingNumber(m_maxId.text())), files);
    if (id > BankArchive::MaxId) {
        m_messages.notify(QStringLiteral("Impossibile aggiungere la Banca: l'archivio delle Banche conserva "
                                         "numeri di Banca fino a 99999 (5 cifre) e il prossimo numero libero "
                                         "sarebbe ")
                              + QString::number(id) + QLatin1Char('.'),
                          MessageBoxes::Icon::Critical);
        return;
    }
    m_addRow(BankArchive::nameField(NomeBanca->text(), qint32(id)) + QLatin1Char('\t') + NumCC->text());
    m_maxId.setText(QString::number(id));
    accept();
}
