#include "focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace forms {

void drawFocusFrame(QPainter &painter, const QWidget *control, const QRect &rect,
                    const QColor &under)
{
    QStyleOptionFocusRect frame;
    frame.initFrom(control);
    frame.rect = rect;
    frame.backgroundColor = under;
    control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, control);
}

} // namespace forms
