#pragma once

#include <QByteArray>
#include <QSize>

/// What the first bytes of a PNG or a JPEG say about the paper it shows,
/// read by the program itself: the image reader tells a resolution only
/// after decoding every pixel, and the size to decode at depends on it.
namespace PictureHeader {

/// The bytes a resolution is looked for in: it comes before the pixels.
constexpr qint64 HeadBytes = 1024 * 1024;

/// The text key, and its value, that a copy kept by the program carries
/// when the paper's size is a guess: its stored resolution is then the one
/// the program gave it, not the scanner's.
inline constexpr char AssumedKey[] = "Quendra-risoluzione";
inline constexpr char AssumedValue[] = "presunta";

/// The dots per metre \a head stores in a way a reader honours (a pHYs
/// chunk in metres, a JFIF header in inches or cm); (0, 0) when none.
QSize dotsPerMetre(const QByteArray &head);

} // namespace PictureHeader
