#include "link_label.h"

#include "pictures.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace forms {

namespace {

// What a screen reader sees of a link label: a link whose name starts with
// the words on screen, so that a user who says what he sees finds it.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, const QString &description, HandCursor cursor,
                     QWidget *parent)
    : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&linkLabelAccessible);
        return true;
    }();
    (void)factoryInstalled;
    setAccessibleDescription(description);
    const qreal ratio = devicePixelRatioF();
    setCursor(cursor == HandCursor::Mono ? linkCursorMono(ratio) : linkCursor16(ratio));
}

void LinkLabel::click() { emit clicked(); }

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool releasedInside = m_pressed && event->button() == Qt::LeftButton &&
                                rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (releasedInside)
        emit clicked();
}

} // namespace forms
