#include "registercsv.h"

#include "chequestore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace RegisterCsv {

namespace {

QString field(const QString &text)
{
    static const QString special = QStringLiteral(";\"\r\n");
    bool quote = text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    for (QChar c : text)
        quote = quote || special.contains(c);
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray bytes(const QList<ChequeRecord> &rows)
{
    QStringList lines;
    lines << QStringLiteral("Stampato il;Banca;Conto;Luogo;Data;Importo;Importo in lettere;Beneficiario;"
                            "Stampante;Numero assegno;Annullato;Motivo dell'annullamento");
    for (const ChequeRecord &r : rows) {
        const QStringList fields = {r.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                                    r.bankName,
                                    r.account,
                                    r.place,
                                    r.date,
                                    centsText(r.amountCents),
                                    r.amountWords,
                                    r.payee,
                                    r.printer,
                                    r.serial,
                                    r.annulled ? QStringLiteral("sì") : QString(),
                                    r.annulReason};
        QStringList cells;
        for (const QString &f : fields)
            cells << field(f);
        lines << cells.join(QLatin1Char(';'));
    }
    return QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + QByteArray("\r\n");
}

bool write(const QString &fileName, const QList<ChequeRecord> &rows, QString *reason)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    const QByteArray data = bytes(rows);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

int exportCommand(const QString &dataFolder, const QString &fileName, QString *errors)
{
    if (fileName.isEmpty()) {
        *errors = QStringLiteral("Uso: quendra --registro-csv FILE");
        return 2;
    }
    const QString registerFile = ChequeStore::fileName(dataFolder);
    QList<ChequeRecord> rows;
    // Exporting never makes a register that was not there.
    if (QFileInfo::exists(registerFile)) {
        ChequeStore store(registerFile);
        std::optional<QList<ChequeRecord>> all;
        if (store.isOpen())
            all = store.list({}, ChequeStore::Order::OldestFirst);
        if (!all) {
            *errors = QStringLiteral("Il registro degli assegni %1 non si può leggere: %2")
                          .arg(QDir::toNativeSeparators(registerFile), store.error());
            return 1;
        }
        rows = *all;
    }
    QString reason;
    if (!write(fileName, rows, &reason)) {
        *errors = QStringLiteral("Il file %1 non si può scrivere: %2")
                      .arg(QDir::toNativeSeparators(fileName), reason);
        return 1;
    }
    return 0;
}

} // namespace RegisterCsv
