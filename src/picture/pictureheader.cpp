#include "pictureheader.h"

#include <QtEndian>

namespace PictureHeader {

namespace {

quint32 bigEndian32(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

quint16 bigEndian16(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

QSize pngDotsPerMetre(const QByteArray &bytes)
{
    // Chunks follow the 8-byte signature: length, type, data, CRC; a
    // resolution only counts before the pixels start.
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const quint32 length = bigEndian32(bytes, at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (type == "IDAT" || type == "IEND")
            return QSize(0, 0);
        // Unit 1 is the metre; 0 gives only the pixels' aspect ratio.
        if (type == "pHYs" && length >= 9 && at + 8 + 9 <= bytes.size()) {
            const quint32 x = bigEndian32(bytes, at + 8), y = bigEndian32(bytes, at + 12);
            if (bytes.at(at + 8 + 8) != 1 || x == 0 || y == 0 || x > 1000000 || y > 1000000)
                return QSize(0, 0);
            return QSize(int(x), int(y));
        }
        if (length > quint32(bytes.size()))
            return QSize(0, 0);
        at += 12 + qsizetype(length);
    }
    return QSize(0, 0);
}

QSize jpegDotsPerMetre(const QByteArray &bytes)
{
    // Segments follow the start marker: 0xFF, a marker, a length that
    // counts itself. Only a JFIF header in inches (1) or cm (2) is read by
    // the image reader; EXIF resolutions are not.
    for (qsizetype at = 2; at + 4 <= bytes.size();) {
        if (uchar(bytes.at(at)) != 0xFF)
            return QSize(0, 0);
        const uchar marker = uchar(bytes.at(at + 1));
        if (marker == 0xDA) // the pixels start
            return QSize(0, 0);
        const quint16 length = bigEndian16(bytes, at + 2);
        const QByteArray data = bytes.mid(at + 4, length - 2);
        if (marker == 0xE0 && data.size() >= 12 && data.startsWith(QByteArray("JFIF\0", 5))) {
            const uchar units = uchar(data.at(7));
            const double perMetre = units == 1 ? 1 / 0.0254 : units == 2 ? 100 : 0;
            const int x = bigEndian16(data, 8), y = bigEndian16(data, 10);
            if (perMetre == 0 || x == 0 || y == 0)
                return QSize(0, 0);
            return QSize(qRound(x * perMetre), qRound(y * perMetre));
        }
        at += 2 + length;
    }
    return QSize(0, 0);
}

} // namespace

QSize dotsPerMetre(const QByteArray &head)
{
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return pngDotsPerMetre(head);
    if (head.startsWith("\xFF\xD8"))
        return jpegDotsPerMetre(head);
    return QSize(0, 0);
}

} // namespace PictureHeader
