#include "bankarchive.h"
#include "fuzzinput.h"
#include "textfile.h"

// In memory: the bank list's reading and rewriting never touch a file here.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<BankArchive::FileLine> lines = BankArchive::fileLines(bytes);
    // Opened and closed, the file comes back byte for byte.
    check(BankArchive::fileBytes(lines) == bytes);
    for (const BankArchive::FileLine &line : std::as_const(lines)) {
        if (!line.holdsBank())
            continue;
        const QString field = line.text.left(line.text.indexOf(QLatin1Char('|')));
        BankArchive::idOf(field);
        BankArchive::nameOf(field);
    }
    check(BankArchive::selectorItems(TextFile::splitLines(bytes)).size() <= lines.size());
    // A bank added keeps every line before it and adds exactly one.
    lines.append(BankArchive::lineForRow(QStringLiteral("NUOVA\t1")));
    const QByteArray added = BankArchive::fileBytes(lines);
    check(added.startsWith(bytes) && BankArchive::fileLines(added).size() == lines.size());
    return 0;
}
