#include "shutdown.h"

#include "forms_registry.h"
#include "platform/process_end.h"

namespace modHelp {

void UnloadAllForms()
{
    // Unloading the exit window calls back in here; the run already under way
    // finishes the job, so the inner call has nothing left to do.
    static bool running = false;
    if (running || platform::ProcessEnding())
        return;
    running = true;
    if (FormsRegistry *forms = FormsRegistry::instance())
        forms->UnloadAll();
    running = false;
    platform::EndProcess(0);
}

} // namespace modHelp
