#include "amountinwords.h"
#include "amounttext.h"
#include "currency.h"
#include "fuzzinput.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // What the amount field reads is what it lets through, and always has words.
    if (const auto typed = AmountText::read(text)) {
        check(AmountText::isPrefix(text));
        check(!AmountInWords(*typed).isEmpty());
    }
    const auto amount = Currency::fromText(text);
    if (!amount)
        return 0;
    const auto again = Currency::fromText(amount->toText());
    check(again && *again == *amount);
    amount->wholePart();
    AmountInWords(*amount);
    return 0;
}
