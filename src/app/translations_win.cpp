#include "translations.h"

#include <QLocale>

// Windows has its own setting for the language of programs, which Qt reads.
QStringList WantedLanguages() { return QLocale::system().uiLanguages(); }
