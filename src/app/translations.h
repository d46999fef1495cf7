#pragma once
// The reader's language. The program's texts are written in English; a
// translation of them, and Qt's own for its few texts (the message boxes'
// buttons, the text boxes' context menu), is installed before any window is
// made, for the first language the user asked for that we have.

#include <QString>
#include <QStringList>

// The languages the system asks for, most wanted first, as BCP 47 tags
// ("tr-TR"). None under a messages locale of C or POSIX, as gettext has it:
// such a program speaks English, whatever LANGUAGE says.
QStringList WantedLanguages();

// Installs the translation for the first of these languages that we ship,
// stopping at English, the language of the texts themselves. Returns its
// language ("tr", "el"), or an empty text when the texts stay in English.
QString InstallTranslations(const QStringList &languages = WantedLanguages());
