#pragma once
// The end of the program: every loaded window unloads, oldest first, and the
// process ends with status 0. It sits on top of every window because it
// reaches them all.

namespace modHelp {

void UnloadAllForms();

} // namespace modHelp
