// Treats its input as a contacts file: the vCard reader must hold to what every import does.

#include "core/exchange/vcardreader.h"

#define CW_READ VCardReader::read
#include "importfuzzer.h"
