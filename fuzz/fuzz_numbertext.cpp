#include "fuzzinput.h"
#include "numbertext.h"
#include "textfile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    qint16 flag = 0;
    NumberText::leadingInteger16(text, &flag);
    NumberText::leadingNumber(text);
    float value = 0;
    if (NumberText::toSingle(text, &value) && std::isfinite(value)) {
        // The layout files store what the print path wrote: it must read
        // back as the same number.
        float again = 0;
        check(NumberText::toSingle(NumberText::generalFormat(value), &again) && again == value);
    }
    return 0;
}
