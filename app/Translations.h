#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The program's texts in the user's language: Halvero's own translations
// (built into the toolkit from translations/*.ts) and Qt's for its dialogs
// and buttons, picked from the system locale. English needs none: it is
// the texts' own language.
class Translations {
public:
    // Installs into `application` the translations for `locale`'s
    // languages, the first of them Halvero has; returns the language taken
    // ("de"), or an empty string when the program stays in English.
    static QString install(QCoreApplication* application, const QLocale& locale = QLocale());
    // Whether Halvero has a translation for one of `locale`'s languages;
    // needs no application object.
    static bool has(const QLocale& locale = QLocale());
    // The languages Halvero ships a translation for ("de", "es", "fr").
    static QStringList shipped();
};
