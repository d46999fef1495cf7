#include "message_box.h"

#include <QMessageBox>

namespace platform {

const char *const ApplicationTitle = "Brewlore";

namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler h;
    return h;
}

int showRealBox(const QString &text, int flags)
{
    QMessageBox box;
    box.setWindowTitle(QString::fromLatin1(ApplicationTitle));
    box.setText(text);
    box.setIcon((flags & vbCritical) == vbCritical ? QMessageBox::Critical
                : (flags & vbInformation)          ? QMessageBox::Information
                                                   : QMessageBox::NoIcon);
    if ((flags & 0x0F) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes)
        return vbYes;
    if (pressed == QMessageBox::No)
        return vbNo;
    return vbOK;
}

} // namespace

int MsgBox(const QString &text, int flags)
{
    if (handler())
        return handler()(text, flags);
    return showRealBox(text, flags);
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

} // namespace platform
