#include "menu_bar_style.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QWidget>

namespace forms {

namespace {

// ">>" for a horizontal bar, pointing down for a vertical one.
QIcon drawnArrow(bool horizontal, qreal ratio)
{
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    if (!horizontal) {
        painter.translate(16, 0);
        painter.rotate(90);
    }
    for (const qreal x : {4.0, 8.5}) {
        const QPointF chevron[] = {{x, 4.5}, {x + 3.5, 8}, {x, 11.5}};
        painter.drawPolyline(chevron, 3);
    }
    return QIcon(pixmap);
}

class ApplicationStyle : public QProxyStyle
{
public:
    explicit ApplicationStyle(const QString &base) : QProxyStyle(base) {}

    // Windows' palette draws a menu bar's titles grey while its window is not
    // the active one: as grey as a disabled title. A title that can be
    // chosen keeps its colour; only a disabled one is grey.
    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        if (!qobject_cast<QMenuBar *>(widget))
            return;
        QPalette palette = widget->palette();
        for (const QPalette::ColorRole role :
             {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
            palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
        widget->setPalette(palette);
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
        switch (icon) {
        case SP_ToolBarHorizontalExtensionButton:
            return drawnArrow(true, ratio);
        case SP_ToolBarVerticalExtensionButton:
            return drawnArrow(false, ratio);
        default:
            return QProxyStyle::standardIcon(icon, option, widget);
        }
    }
};

} // namespace

QStyle *makeApplicationStyle()
{
    // Over the style in use, so that -style and QT_STYLE_OVERRIDE still choose it.
    return new ApplicationStyle(QApplication::style()->name());
}

} // namespace forms
