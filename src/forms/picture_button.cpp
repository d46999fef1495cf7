#include "picture_button.h"

#include "focus_frame.h"

#include <QKeyEvent>
#include <QPainter>

namespace forms {

PictureButton::PictureButton(Picture picture, QWidget *parent)
    : QAbstractButton(parent), m_source(std::move(picture)), m_ratio(devicePixelRatioF())
{
    m_picture = m_source(m_ratio);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureButton::sizeHint() const
{
    return m_picture.deviceIndependentSize().toSize() + QSize(2, 2);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    // The window may have moved to a screen of another scale.
    if (!qFuzzyCompare(devicePixelRatioF(), m_ratio)) {
        m_ratio = devicePixelRatioF();
        m_picture = m_source(m_ratio);
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(1, 1, m_picture);
    // Just inside the border, on the picture's dark edge: the picture stays
    // whole and the frame shows on the picture, not on black.
    if (hasFocus())
        drawFocusFrame(painter, this, rect().adjusted(2, 2, -2, -2), QColor(64, 64, 64));
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own key; Enter does the same here, since the pot
    // is the one thing to press in its window.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace forms
