#include "frmAbout.h"

#include "form_style.h"
#include "pictures.h"
#include "platform/geometry.h"

namespace forms {

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(programIcon());
    makeFixedWindow(this, QSize(platform::tw(6015), platform::tw(4095)));
}

} // namespace forms
