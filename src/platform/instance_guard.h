#pragma once
// Tells at start whether another copy of the program already runs for this
// user and settings store. The first copy holds a guard for its whole run,
// which the system lets go when the process ends, however it ends: a copy
// that crashed or was killed leaves nothing behind. On Linux the guard is a
// lock on a file beside the settings; on Windows a named mutex of the
// session whose name carries the user and the settings store.

#include <QString>

namespace platform {

// True when another live copy holds the guard. When false, this process now
// holds it until it ends, or no guard could be made at all (a settings folder
// that cannot be written): then every copy starts, since a guard that cannot
// work must not lock the user out.
bool PrevInstance();

// The guard's name: on Linux the lock file, beside the program's per-user
// settings file, so that copies which would share that file meet one lock
// whatever their runtime folder or session; on Windows the mutex's name.
QString InstanceGuardName();

} // namespace platform
