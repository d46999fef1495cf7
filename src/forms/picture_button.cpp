#include "picture_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(1, 1, m_picture);
    if (m_showFocus) {
        // The border itself shows the keyboard focus, so the picture stays whole.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    // Only a user who moves with the keyboard needs to see where the focus is.
    m_showFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    m_showFocus = false;
    QWidget::focusOutEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace forms
