#include "fuzzinput.h"
#include "layoutfile.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ChequeLayout layout;
    QString place;
    QString account;
    LayoutFile::LoadLayout(inputFile(data, size, "Quendra.ini"), layout, place, account);
    // Whatever was read, what the print path writes back is 19 lines.
    const QStringList lines = LayoutFile::lines(place, layout, account);
    check(TextFile::splitLines(TextFile::joinLines(lines)).size() == LayoutFile::LineCount);
    return 0;
}
