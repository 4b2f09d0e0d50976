// Treats its input as a contacts file: the vCard reader must hold to what every import does.

#include "importcheck.h"

#include "core/exchange/vcardreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkImport(VCardReader::read(bytes), "fuzz_vcard");
    return 0;
}
