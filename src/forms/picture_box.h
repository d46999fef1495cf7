#pragma once
// A picture box: a picture that takes the keyboard focus like any control
// of the window, and shows it with the style's focus frame.

#include <QLabel>

namespace forms {

class PictureBox : public QLabel
{
    Q_OBJECT
public:
    PictureBox(const char *name, QRect geometry, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace forms
