#pragma once
// A label that works as a link: it shows the pointing-hand cursor and
// reports a click (press and release inside it with the left button).

#include <QLabel>

namespace forms {

enum class HandCursor { Mono, SixteenColour };

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &text, HandCursor cursor, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace forms
