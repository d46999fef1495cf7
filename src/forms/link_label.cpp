#include "link_label.h"

#include "pictures.h"

#include <QMouseEvent>

namespace forms {

LinkLabel::LinkLabel(const QString &text, HandCursor cursor, QWidget *parent) : QLabel(text, parent)
{
    setCursor(cursor == HandCursor::Mono ? linkCursorMono() : linkCursor16());
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace forms
