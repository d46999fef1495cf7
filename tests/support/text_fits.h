#pragma once
// Whether a control shows its whole text in the room it has, for the tests
// that hold every window, in every language and at every scale, against
// clipping.

#include "forms/form_style.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// Every control of a window with a name of ours: Qt's own inner widgets are
// named qt_… or not at all.
inline QList<QWidget *> namedControls(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            controls.append(child);
    return controls;
}

// The part of a control that its parent leaves it, in the parent's coordinates.
inline QRect roomInParent(const QWidget *control)
{
    return control->geometry().intersected(control->parentWidget()->rect());
}

// Whether the lines break here as a user sees them. Linux's offscreen
// platform draws with the system's fonts, as the desktop does; on Windows
// only the Windows platform does, since the offscreen one reads a folder of
// other fonts there.
inline bool linesBreakAsShown()
{
#ifdef Q_OS_WIN
    return QGuiApplication::platformName() == QLatin1String("windows");
#else
    return true;
#endif
}

// The room a text must fit in to be sure of fitting on a user's screen. The
// Windows build is checked under Wine, whose faces stand in for Verdana and
// may be a little narrower: there a text that wraps keeps a twentieth of its
// width to spare, so that a wider face breaks it into no more lines than the
// label holds. One-line texts need no spare: the labels sized to their text
// take the width of whatever face the user has.
inline QSize roomToFit(const QWidget *control)
{
    const QSize room = roomInParent(control).size();
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || !label->wordWrap() || QGuiApplication::platformName() != QLatin1String("windows"))
        return room;
    return {room.width() - room.width() / 20, room.height()};
}

// Empty when the text of a label, check box, button or frame title shows
// whole within `room`, and otherwise the control's name and text, for the
// failure. A wrapping label may use the room's width and must keep within
// its height; every other text stays on one line, a button's and a frame
// title's with a few pixels to spare. Other controls have no text to cut.
inline QString cutOffText(const QWidget *control, QSize room)
{
    const QString what = control->objectName() + QLatin1Char(' ');
    const QFontMetrics metrics = control->fontMetrics();
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty())
            return QString();
        const QSize needed = label->wordWrap()
                                 ? QSize(room.width(), label->heightForWidth(room.width()))
                                 : label->sizeHint();
        const bool fits = needed.width() <= room.width() && needed.height() <= room.height();
        return fits ? QString() : what + label->text();
    }
    if (auto *check = qobject_cast<const QCheckBox *>(control)) {
        const bool fits =
            check->sizeHint().width() <= room.width() && metrics.height() < room.height();
        return fits ? QString() : what + check->text();
    }
    if (auto *button = qobject_cast<const QPushButton *>(control)) {
        const bool fits =
            metrics.horizontalAdvance(forms::labelText(button->text())) + 8 <= room.width() &&
            metrics.height() < room.height();
        return fits ? QString() : what + button->text();
    }
    if (auto *frame = qobject_cast<const QGroupBox *>(control)) {
        const bool fits = metrics.horizontalAdvance(frame->title()) + 8 <= room.width();
        return fits ? QString() : what + frame->title();
    }
    return QString();
}
