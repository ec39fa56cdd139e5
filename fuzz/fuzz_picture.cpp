#include "chequepicture.h"
#include "fuzzinput.h"
#include "picturedecode.h"

#include <QBuffer>
#include <QImageReader>

// In memory: what the program reads of a picture itself (the head, the
// declared size, the decode mode's answer), and the decoding the child does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ChequePicture::storesResolution(bytes);
    if (const auto decoded = PictureDecode::fromBytes(bytes); decoded && !decoded->picture.isNull())
        check(decoded->picture.sizeInBytes() <= PictureDecode::MaxBytesBack);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(16);
    const QSize declared = reader.size();
    // Small pictures only: the budget is checked before decoding anyway.
    if (declared.isValid() && qint64(declared.width()) * declared.height() <= 1024 * 1024) {
        PictureDecode::Decoded decoded;
        decoded.picture = reader.read();
        decoded.outcome = decoded.picture.isNull() ? PictureDecode::Outcome::ImageUnreadable
                                                   : PictureDecode::Outcome::Picture;
        // What the child sends comes back whole.
        const auto back = PictureDecode::fromBytes(PictureDecode::toBytes(decoded));
        check(back && back->outcome == decoded.outcome && back->picture.size() == decoded.picture.size());
    }
    return 0;
}
