#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace platform {

const char *const ApplicationTitle = QT_TRANSLATE_NOOP("platform", "Brewlore");

namespace {

int showRealBox(const QString &text, int flags)
{
    // Owned by the window the user is in, so that it stays above it even when
    // that window is kept on top of all others.
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QCoreApplication::translate("platform", ApplicationTitle));
    // A carriage return alone breaks the line on Windows; Qt wants a line feed.
    static const QRegularExpression loneReturn(QStringLiteral("\\r(?!\\n)"));
    box.setText(QString(text).replace(loneReturn, QStringLiteral("\n")));
    box.setIcon((flags & vbCritical) == vbCritical ? QMessageBox::Critical
                : (flags & vbInformation)          ? QMessageBox::Information
                                                   : QMessageBox::NoIcon);
    if ((flags & 0x0F) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Qt's own texts, named here so that they come in the reader's
        // language also where the system has no Qt translation for it.
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("QPlatformTheme", "&Yes"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("QPlatformTheme", "&No"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
    }
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes)
        return vbYes;
    if (pressed == QMessageBox::No)
        return vbNo;
    return vbOK;
}

} // namespace

Seam<int(const QString &text, int flags)> MsgBox(&showRealBox);

} // namespace platform
