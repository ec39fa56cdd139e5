#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>

/// A word of a PDF page, or the page itself as "<page>", by pdftotext -bbox,
/// in mm from the page's top-left corner. yMin is the baseline less the
/// font's declared ascent, which for Liberation Sans is the ascent Qt adds:
/// the top of the box is the top of the line.
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
    static const QRegularExpression tag(QStringLiteral(R"re(<(page|word) \w+="([\d.]+)" \w+="([\d.]+)"(?: \w+="([\d.]+)" \w+="([\d.]+)")?>([^<]*))re"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch &m : tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        const bool page = m.captured(1) == u"page";
        const QRectF points(0, 0, m.captured(2).toDouble(), m.captured(3).toDouble());
        const QRectF box = page ? points : QRectF(points.bottomRight(), QPointF(m.captured(4).toDouble(), m.captured(5).toDouble()));
        words.append({page ? QStringLiteral("<page>") : m.captured(6),
                      QRectF(box.topLeft() * 25.4 / 72, box.bottomRight() * 25.4 / 72)});
    }
    return words;
}
