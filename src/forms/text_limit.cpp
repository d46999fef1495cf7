#include "text_limit.h"

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
                         QTextCursor cut(document);
                         cut.setPosition(start);
                         cut.setPosition(end, QTextCursor::KeepAnchor);
                         cut.removeSelectedText();
                     });
}

} // namespace forms
