#pragma once
// The keyboard focus on a control that paints itself, shown as the style
// shows it on its own controls: the style decides whether (most show it only
// once the keyboard has moved the focus) and how.

class QColor;
class QPainter;
class QRect;
class QWidget;

namespace forms {

// Call while painting `control`, when it has the focus; `rect` is where the
// frame goes, in the control's coordinates, and `under` the colour it is
// drawn on, which styles that draw a dotted frame set it off against.
void drawFocusFrame(QPainter &painter, const QWidget *control, const QRect &rect,
                    const QColor &under);

} // namespace forms
