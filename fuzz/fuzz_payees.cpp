#include "beneficiaryarchive.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList names = BeneficiaryArchive::read(inputFile(data, size, "Beneficiari.ini"));
    for (const QString &name : names)
        BeneficiaryArchive::unstorableCharacters(name);
    // A rewrite after a deletion never adds a name.
    const QString copy = inputFile(nullptr, 0, "Beneficiari-copy.ini");
    check(BeneficiaryArchive::rewrite(copy, names));
    check(BeneficiaryArchive::read(copy).size() <= names.size());
    return 0;
}
