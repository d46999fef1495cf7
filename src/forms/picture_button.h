#pragma once
// A picture with a one-pixel border that acts as a button: a mouse click, or
// Space or Enter while it has the keyboard focus, clicks it. Being a button,
// it also tells screen readers what it is and lets them press it. The picture
// is taken for the device pixel ratio of the screen it is painted on.

#include <QAbstractButton>
#include <QPixmap>
#include <functional>

namespace forms {

class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    // The picture for a device pixel ratio.
    using Picture = std::function<QPixmap(qreal ratio)>;

    PictureButton(Picture picture, QWidget *parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture m_source;
    QPixmap m_picture; // for m_ratio
    qreal m_ratio;
};

} // namespace forms
