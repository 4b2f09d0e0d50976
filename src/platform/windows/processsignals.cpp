#include "platform/processsignals.h"

// Windows has neither these signals nor a file size limit that would send one.
namespace ProcessSignals {

void holdTermination() {}
void releaseTermination() {}
void ignoreFileSizeLimit() {}

} // namespace ProcessSignals
