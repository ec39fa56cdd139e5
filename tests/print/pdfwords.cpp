#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

namespace {
QString pdftotext(const QString &option, const QString &pdfFile)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {option, pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

PdfPage readPdfPage(const QString &pdfFile)
{
    static const QRegularExpression pageTag(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));

    PdfPage page;
    const QString xhtml = pdftotext(QStringLiteral("-bbox"), pdfFile);
    const QRegularExpressionMatch size = pageTag.match(xhtml);
    if (!size.hasMatch())
        return page;
    page.width = size.captured(1).toDouble();
    page.height = size.captured(2).toDouble();
    const qsizetype end = xhtml.indexOf(QLatin1String("</page>"));
    auto words = wordTag.globalMatch(xhtml.left(end));
    while (words.hasNext()) {
        const QRegularExpressionMatch w = words.next();
        // Only the entities pdftotext writes for the texts printed here.
        QString text = w.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        page.words.append({text, w.captured(1).toDouble(), w.captured(2).toDouble(),
                           w.captured(3).toDouble(), w.captured(4).toDouble()});
    }
    page.text = pdftotext(QStringLiteral("-raw"), pdfFile).section(QLatin1Char('\f'), 0, 0);
    return page;
}
