#include "platform/programfolder.h"

namespace ProgramFolder {

// Nothing marks an installed program here: one installed for every user sits in a folder
// ordinary users cannot write to, which the data file's own write probe refuses, and one
// installed for the user alone is the user's own folder, where the data file lives beside it.
bool isInstalled(const QString&)
{
    return false;
}

} // namespace ProgramFolder
