#include "layoutfile.h"

#include "folders.h"
#include "numbertext.h"
#include "textfile.h"

namespace LayoutFile {

QString fileName(const QString &dataFolder, qint32 idBanca)
{
    const QString id = idBanca > 0 ? QString::number(idBanca) : QString();
    return dataFolder + QLatin1String("/Quendra") + id + QLatin1String(".ini");
}

QStringList defaultLines()
{
    return {
        QString(), QStringLiteral("2,3"), QStringLiteral("13,5"),
        QStringLiteral("285"), QStringLiteral("1425"),
        QStringLiteral("270"), QStringLiteral("4230"),
        QStringLiteral("270"), QStringLiteral("6015"),
        QStringLiteral("270"), QStringLiteral("8070"),
        QStringLiteral("1740"), QStringLiteral("2100"),
        QStringLiteral("2235"), QStringLiteral("2250"),
        QStringLiteral("1"),
        QString(),
        QStringLiteral("2700"), QStringLiteral("2250"),
    };
}

QStringList defaultLayout(const QString &dataFolder)
{
    QStringList lines;
    if (TextFile::readLines(Folders::findAnyCase(fileName(dataFolder, 0)), &lines, LineCount) && !lines.isEmpty())
        return lines;
    return defaultLines();
}

namespace {

/// Reads the 19 lines in order. marginLeft/marginTop, when given, take
/// lines 2 and 3 as text and the layout's margins are left alone.
void readAll(const QStringList &lines, QString &place, QString *marginLeft, QString *marginTop,
             ChequeLayout &layout, QString &account)
{
    // One holding text, as a line-by-line reader has: once the file runs out
    // it still holds the last line read.
    QString holding;
    int next = 0;
    auto read = [&]() -> bool {
        if (next >= lines.size())
            return false;
        holding = lines.at(next++);
        return true;
    };
    auto number = [&](float &field) {
        read();
        float value;
        if (NumberText::toSingle(holding, &value))
            field = value;
    };
    auto margin = [&](QString *text, float &field) {
        if (!text) {
            number(field);
            return;
        }
        read();
        *text = holding;
    };

    if (read())
        place = holding;
    margin(marginLeft, layout.SXmargin);
    margin(marginTop, layout.DXmargin);
    float *const numeric[] = {
        &layout.LUOGO.top, &layout.LUOGO.left,
        &layout.GGMMAAAA.top, &layout.GGMMAAAA.left,
        &layout.IMPORTO_CIFRE.top, &layout.IMPORTO_CIFRE.left,
        &layout.IMPORTO_DEC.top, &layout.IMPORTO_DEC.left,
        &layout.IMPORTO_ABC.top, &layout.IMPORTO_ABC.left,
        &layout.BENEFICIARIO.top, &layout.BENEFICIARIO.left,
    };
    for (float *field : numeric)
        number(*field);
    read();
    NumberText::leadingInteger16(holding, &layout.PrintComma);
    if (read())
        account = holding;
    number(layout.NUMEROcc.top);
    number(layout.NUMEROcc.left);
}

} // namespace

void readLines(const QStringList &lines, ChequeLayout &layout, QString &place, QString &account)
{
    readAll(lines, place, nullptr, nullptr, layout, account);
}

void readLines(const QStringList &lines, QString &marginLeft, QString &marginTop, ChequeLayout &layout)
{
    QString ignored;
    readAll(lines, ignored, &marginLeft, &marginTop, layout, ignored);
}

bool LoadLayout(const QString &fileName, ChequeLayout &layout, QString &place, QString &account)
{
    QStringList content;
    if (!TextFile::readLines(Folders::findAnyCase(fileName), &content, LineCount))
        return false;
    readLines(content, layout, place, account);
    return true;
}

void loadBankLayout(const QString &dataFolder, qint32 idBanca, ChequeLayout &layout, QString &place,
                    QString &account)
{
    if (LoadLayout(fileName(dataFolder, idBanca), layout, place, account))
        return;
    QString ignored;
    readLines(defaultLayout(dataFolder), layout, ignored, ignored);
}

QStringList lines(const QString &place, const ChequeLayout &layout, const QString &account)
{
    return lines(place, NumberText::generalFormat(layout.SXmargin),
                 NumberText::generalFormat(layout.DXmargin), layout, account);
}

QStringList lines(const QString &place, const QString &marginLeft, const QString &marginTop,
                  const ChequeLayout &layout, const QString &account)
{
    using NumberText::generalFormat;
    return {
        place, marginLeft, marginTop,
        generalFormat(layout.LUOGO.top), generalFormat(layout.LUOGO.left),
        generalFormat(layout.GGMMAAAA.top), generalFormat(layout.GGMMAAAA.left),
        generalFormat(layout.IMPORTO_CIFRE.top), generalFormat(layout.IMPORTO_CIFRE.left),
        generalFormat(layout.IMPORTO_DEC.top), generalFormat(layout.IMPORTO_DEC.left),
        generalFormat(layout.IMPORTO_ABC.top), generalFormat(layout.IMPORTO_ABC.left),
        generalFormat(layout.BENEFICIARIO.top), generalFormat(layout.BENEFICIARIO.left),
        generalFormat(layout.PrintComma),
        account,
        generalFormat(layout.NUMEROcc.top), generalFormat(layout.NUMEROcc.left),
    };
}

} // namespace LayoutFile
