#pragma once
// A label that works as a link: it shows the pointing-hand cursor and
// reports a click (press and release inside it with the left button).
// Screen readers meet it as a link named by the words it shows, with what it
// opens as its description, and can follow it with their press action.

#include <QLabel>

namespace forms {

enum class HandCursor { Mono, SixteenColour };

class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &text, const QString &description, HandCursor cursor, QWidget *parent);

public slots:
    // Follows the link, as a click does.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace forms
