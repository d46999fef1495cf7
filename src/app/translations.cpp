#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// Texts that Qt itself shows in our windows and on the command line, listed
// so that our catalogues carry them under Qt's own contexts: the system may
// have no Qt translation for the reader's language (Debian ships none in
// Greek). The message boxes' buttons are named in platform/message_box.cpp.
[[maybe_unused]] const char *const QtTextBoxTexts[] = {
    // The context menus of the one-line boxes and of the many-line one.
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
};
[[maybe_unused]] const char *const QtCommandLineTexts[] = {
    // --help, around our own lines.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    // The parser's mistakes.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

} // namespace

QString InstallTranslations(const QStringList &languages)
{
    for (const QString &tag : languages) {
        const QLocale locale(tag);
        if (locale.language() == QLocale::English)
            return QString(); // the texts as they are written
        if (locale.language() == QLocale::C)
            continue; // a tag Qt cannot read
        auto ours = std::make_unique<QTranslator>();
        if (!ours->load(locale, QStringLiteral("brewlore"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
            continue;
        // Qt's own first: the translator installed last is asked first, so
        // our catalogue has the last word on the texts both carry.
        auto qt = std::make_unique<QTranslator>(qApp);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.release());
        ours->setParent(qApp);
        QCoreApplication::installTranslator(ours.release());
        return QLocale::languageToCode(locale.language());
    }
    return QString();
}
