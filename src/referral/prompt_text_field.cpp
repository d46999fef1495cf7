#include "prompt_text_field.h"

#include "platform/message_box.h"
#include "trim.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace referral {

PromptTextField::PromptTextField(QWidget *box, const QString &prompt, Spaces spaces)
    : QObject(box), m_box(box), m_prompt(prompt), m_spaces(spaces)
{
    // The prompt is the box's only label and goes away as the user types;
    // screen readers keep it as the box's name.
    box->setAccessibleName(prompt);
    box->installEventFilter(this);
    // The handlers follow the focus from control to control within the
    // box's window. Another window taking over (a message box, the browser,
    // the box's own context menu) leaves the box focused within its window,
    // and the window may be reactivated with its focus already moved by a
    // click, so the focus events of the box alone would mislead.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!now || now->window() != m_box->window())
            return;
        const bool focused = now == m_box;
        if (focused == m_focused)
            return;
        m_focused = focused;
        if (focused)
            GotFocus();
        else
            LostFocus();
    });
}

namespace {

bool breaksTheLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

} // namespace

PromptTextField::PromptTextField(QLineEdit *box, const QString &prompt, Spaces spaces)
    : PromptTextField(static_cast<QWidget *>(box), prompt, spaces)
{
    m_line = box;
    // A line box shows a pasted line break as a blank and other control
    // characters as little or nothing, yet keeps them in its text, and the
    // request would carry them. It holds what it shows instead: a blank for
    // each break (CR LF being one), no control characters but the tab, which
    // it shows as the gap it is. Typed keys never bring these in, so the
    // space check per key stays as it is.
    connect(box, &QLineEdit::textChanged, this, [box](const QString &text) {
        QString shown;
        int caret = box->cursorPosition();
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const bool crBeforeLf =
                c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n");
            if (breaksTheLine(c) && !crBeforeLf)
                shown += QLatin1Char(' ');
            else if (c == QLatin1Char('\t') || c.category() != QChar::Other_Control)
                shown += c;
            else if (i < box->cursorPosition())
                --caret;
        }
        if (shown == text)
            return;
        box->setText(shown);
        box->setCursorPosition(caret);
    });
}

PromptTextField::PromptTextField(QPlainTextEdit *box, const QString &prompt)
    : PromptTextField(static_cast<QWidget *>(box), prompt, Spaces::Allowed)
{
    m_multi = box;
}

QString PromptTextField::text() const
{
    if (m_line)
        return m_line->text();
    // The document keeps one "\n" per break, whether CR LF or LF was put in.
    QString text = m_multi->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void PromptTextField::setText(const QString &text)
{
    if (m_line)
        m_line->setText(text);
    else
        m_multi->setPlainText(text);
}

void PromptTextField::GotFocus()
{
    if (TrimBlanks(text()) == m_prompt)
        setText(QString());
}

void PromptTextField::LostFocus()
{
    if (TrimBlanks(text()).isEmpty())
        setText(m_prompt);
}

bool PromptTextField::KeyPress(const QString &typed)
{
    if (m_spaces != Spaces::Refused || typed != QLatin1String(" "))
        return false;
    platform::MsgBox(tr("Email Address Cannot Contain Space"), platform::vbCritical);
    m_box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool PromptTextField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    if (event->type() == QEvent::KeyPress)
        return KeyPress(static_cast<QKeyEvent *>(event)->text());
    if (event->type() == QEvent::FocusIn && m_line) {
        // A line edit reached by Tab, Shift+Tab or an access key selects all
        // of its text, and the next key would replace the user's entry. It
        // gets a plain focus change instead: nothing selected, caret in place.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(m_line, &plain);
            return true;
        }
    }
    return false;
}

} // namespace referral
