#include "picture_box.h"

#include "focus_frame.h"

#include <QPainter>

namespace forms {

PictureBox::PictureBox(const char *name, QRect geometry, QWidget *parent) : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, this, rect(), palette().color(QPalette::Window));
}

} // namespace forms
