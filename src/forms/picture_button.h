#pragma once
// A picture with a one-pixel border that acts as a button: a mouse click, or
// Space or Enter while it has the keyboard focus, clicks it. Being a button,
// it also tells screen readers what it is and lets them press it.

#include <QAbstractButton>
#include <QPixmap>

namespace forms {

class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(const QPixmap &picture, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    bool m_showFocus = false;
};

} // namespace forms
