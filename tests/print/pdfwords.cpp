#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

namespace {
QString unescapeXml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}
} // namespace

QList<PdfPage> readPdfWords(const QString &pdfFile, QString *error)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("pdftotext failed: %1 %2")
                         .arg(process.errorString(), QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));

    QList<PdfPage> pages;
    qsizetype from = 0;
    for (;;) {
        const QRegularExpressionMatch page = pageTag.match(xhtml, from);
        if (!page.hasMatch())
            break;
        const qsizetype end = xhtml.indexOf(QLatin1String("</page>"), page.capturedEnd());
        const QString body = xhtml.mid(page.capturedEnd(), end < 0 ? -1 : end - page.capturedEnd());
        PdfPage p;
        p.width = page.captured(1).toDouble();
        p.height = page.captured(2).toDouble();
        auto words = wordTag.globalMatch(body);
        while (words.hasNext()) {
            const QRegularExpressionMatch w = words.next();
            p.words.append({unescapeXml(w.captured(5)), w.captured(1).toDouble(),
                            w.captured(2).toDouble(), w.captured(3).toDouble(),
                            w.captured(4).toDouble()});
        }
        pages.append(p);
        if (end < 0)
            break;
        from = end;
    }
    return pages;
}

QList<PdfLine> pdfLines(const PdfPage &page)
{
    QList<PdfWord> words = page.words;
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return a.yMin != b.yMin ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    QList<PdfLine> lines;
    QList<PdfWord> line;
    auto flush = [&] {
        if (line.isEmpty())
            return;
        std::sort(line.begin(), line.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
        QStringList texts;
        for (const PdfWord &w : line)
            texts << w.text;
        lines.append({texts.join(QLatin1Char(' ')), line.first().yMin,
                      line.first().yMax - line.first().yMin});
        line.clear();
    };
    for (const PdfWord &w : words) {
        if (!line.isEmpty() && w.yMin - line.first().yMin > 0.5)
            flush();
        line.append(w);
    }
    flush();
    return lines;
}
