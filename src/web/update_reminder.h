#pragma once
// The update reminder: now and then, at start-up, it asks whether to look for
// a newer version, and opens the download page when the user says Yes. The
// date of the last reminder is the program's one setting.

namespace modHelp {

// Asks when the last reminder is 15 days old or more; the first run only
// stores today's date.
void CheckForUpdate();

} // namespace modHelp
