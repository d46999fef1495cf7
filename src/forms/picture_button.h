#pragma once
// A picture with a one-pixel border that acts as a button: a mouse click,
// or Enter or Space while it has the keyboard focus, reports a click.

#include <QPixmap>
#include <QWidget>

namespace forms {

class PictureButton : public QWidget
{
    Q_OBJECT
public:
    PictureButton(const QPixmap &picture, QWidget *parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
    bool m_showFocus = false;
};

} // namespace forms
