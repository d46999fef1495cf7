#include "translations.h"

#include <QLocale>

namespace {

bool isCLocale(const QByteArray &name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

// The locale of messages: the first of these that is set.
QByteArray messagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return QByteArray();
}

} // namespace

QStringList WantedLanguages()
{
    if (isCLocale(messagesLocale()))
        return {};
    return QLocale::system().uiLanguages();
}
