#pragma once
// Tells at start whether another copy of the program already runs for this
// user. The first copy holds a lock on a file for its whole run; a copy that
// crashed or was killed leaves no lock behind (on Windows, a lock whose
// process is gone, which the next start takes over).

#include <QString>

namespace platform {

// True when another live copy holds the guard. When false, this process now
// holds it until it ends, or no lock could be made at all (a settings folder
// that cannot be written): then every copy starts, since a guard that cannot
// work must not lock the user out.
bool PrevInstance();

// Where the guard lives: beside the program's per-user settings file, so that
// copies which would share that file meet one lock whatever their runtime
// folder or session.
QString InstanceLockPath();

} // namespace platform
