#include "text_limit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace forms {

void limitLength(QPlainTextEdit *box, int maxLength)
{
    QObject::connect(box->document(), &QTextDocument::contentsChange, box,
                     [box, maxLength](int position, int, int added) {
                         QTextDocument *document = box->document();
                         // The count includes the document's closing separator.
                         const int length = document->characterCount() - 1;
                         const int excess = length - maxLength;
                         if (excess <= 0 || added <= 0)
                             return;
                         const int end = std::min(position + added, length);
                         int start = std::max(end - excess, 0);
                         // Never keep half of a surrogate pair.
                         if (start > 0 && document->characterAt(start - 1).isHighSurrogate())
                             --start;
                         // One step with the edit it trims, so that Undo takes back both.
                         QTextCursor cut(document);
                         cut.joinPreviousEditBlock();
                         cut.setPosition(start);
                         cut.setPosition(end, QTextCursor::KeepAnchor);
                         cut.removeSelectedText();
                         cut.endEditBlock();
                     });
}

void limitLength(QLineEdit *box, int maxLength)
{
    box->setMaxLength(maxLength);
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
        // Where an insertion was cut at the bound, a lone first half is left.
        for (int i = 0; i < text.size(); ++i) {
            const bool paired = i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            if (!text.at(i).isHighSurrogate() || paired)
                continue;
            const int caret = box->cursorPosition();
            box->setText(QString(text).remove(i, 1));
            box->setCursorPosition(caret > i ? caret - 1 : caret);
            return;
        }
    });
}

} // namespace forms
