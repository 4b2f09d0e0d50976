#include "platform/console.h"

namespace Console {

// A Unix program inherits its parent's terminal.
void attachToParent() {}

} // namespace Console
