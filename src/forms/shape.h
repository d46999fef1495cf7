#pragma once
// A filled circle, one of the dots of the "Please Wait" box.

#include <QColor>
#include <QWidget>

namespace forms {

class Shape : public QWidget
{
    Q_OBJECT
public:
    Shape(QColor fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

} // namespace forms
