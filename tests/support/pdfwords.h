#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

/// One word of a PDF page as pdftotext -bbox sees it, in millimetres from
/// the page's top-left corner. yMin is the baseline less the font's declared
/// ascent, which for Liberation Sans is the ascent Qt adds: the top of the
/// box is the top of the line. The page itself comes as the word "<page>".
struct PdfWord
{
    QString text;
    QRectF box;
};

inline QList<PdfWord> readPdfWords(const QString &file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-bbox", file, "-"});
    pdftotext.waitForFinished();
    static const QRegularExpression tag(QStringLiteral(
        R"re(<(page|word) \w+="([\d.]+)" \w+="([\d.]+)"(?: \w+="([\d.]+)" \w+="([\d.]+)")?>([^<]*))re"));
    QList<PdfWord> words;
    constexpr double mmPerPoint = 25.4 / 72;
    for (const QRegularExpressionMatch &m : tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        if (m.captured(1) == u"page") {
            words.append({QStringLiteral("<page>"),
                          QRectF(0, 0, m.captured(2).toDouble() * mmPerPoint, m.captured(3).toDouble() * mmPerPoint)});
            continue;
        }
        const QPointF topLeft(m.captured(2).toDouble(), m.captured(3).toDouble());
        const QPointF bottomRight(m.captured(4).toDouble(), m.captured(5).toDouble());
        words.append({m.captured(6), QRectF(topLeft * mmPerPoint, bottomRight * mmPerPoint)});
    }
    return words;
}
