#pragma once
// A text box that carries its own label as its text, the prompt: getting the
// focus while it shows the prompt empties it, losing the focus while blank
// brings the prompt back, and an e-mail box refuses the space key with a
// message. There is no "showing the prompt" flag: a box shows its prompt
// whenever its trimmed text equals it, whoever typed it. Reaching a box with
// the keyboard selects nothing and leaves the caret where it was.
//
// Attach one to each box; it lives as long as the box.

#include <QObject>
#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace referral {

class PromptTextField : public QObject
{
    Q_OBJECT
public:
    enum class Spaces { Allowed, Refused };

    PromptTextField(QLineEdit *box, const QString &prompt, Spaces spaces);
    PromptTextField(QPlainTextEdit *box, const QString &prompt);

    // The box's text; line breaks of a multi-line box read as CR LF, as the
    // request has always sent them.
    QString text() const;
    void setText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PromptTextField(QWidget *box, const QString &prompt, Spaces spaces);
    void GotFocus();
    void LostFocus();
    // True when the key is refused and must not reach the box.
    bool KeyPress(const QString &typed);

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_multi = nullptr;
    QWidget *m_box;
    QString m_prompt;
    Spaces m_spaces;
    bool m_focused = false; // the box is its window's focused control
};

} // namespace referral
