#pragma once
// Tells at start whether another copy of the program already runs for this
// user. The first copy keeps a lock file for its whole run; a copy that
// crashed or was killed leaves a lock whose process is gone, which the next
// start takes over.

#include <QString>

namespace platform {

// True when another live copy holds the guard. When false, this process now
// holds it until it ends.
bool PrevInstance();

// Where the guard lives: the per-user runtime folder, or the temporary folder
// with the user's name when the desktop gives none.
QString InstanceLockPath();

} // namespace platform
