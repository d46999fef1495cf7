#include "picture_button.h"

#include <QFocusEvent>
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
    if (m_showFocus) {
        // The border itself shows the keyboard focus, so the picture stays whole.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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

void PictureButton::focusInEvent(QFocusEvent *event)
{
    // Only a user who moves with the keyboard needs to see where the focus is.
    m_showFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent *event)
{
    m_showFocus = false;
    QAbstractButton::focusOutEvent(event);
}

} // namespace forms
