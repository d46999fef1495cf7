#include "startup.h"

#include "forms_registry.h"
#include "platform/instance_guard.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/startup_trace.h"
#include "web/cobrand.h"
#include "web/update_reminder.h"

#include <QCoreApplication>

void StartUp(FormsRegistry &forms)
{
    if (platform::PrevInstance()) {
        // The running copy is left alone: not activated, not told anything.
        platform::MsgBox(QCoreApplication::translate("StartUp", "Application is already running"),
                         platform::vbInformation);
        forms.UnloadAllForms();
        return;
    }
    platform::Randomize();
    modHelp::CheckForUpdate();
    platform::TraceStartup("instance and update checked");
    forms::frmMain *window = forms.Main();
    platform::TraceStartup("main window built");
    window->show();
    platform::TraceStartup("main window shown");
    CoBrand_Randomize(forms);
}

void CoBrand_Randomize(FormsRegistry &forms)
{
    cobrand::intCoBrandRandomNumber = int16_t(cobrand::CoBrandNumber(platform::Rnd()));
    switch (cobrand::FrontFor(cobrand::intCoBrandRandomNumber)) {
    case cobrand::Front::CoBrand:
        forms.Main()->BringCoBrandToFront();
        break;
    case cobrand::Front::FullBrand:
        forms.Main()->BringFullBrandToFront();
        break;
    case cobrand::Front::Unchanged:
        break;
    }
}
