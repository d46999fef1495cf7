#include "shape.h"

#include <QPainter>

namespace forms {

Shape::Shape(QColor fill, QWidget *parent) : QWidget(parent), m_fill(fill) {}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_fill.darker(150), 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace forms
