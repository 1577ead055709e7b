#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kFolder = QStringLiteral(":/translations");

} // namespace

QString Translations::install(QCoreApplication* application, const QLocale& locale) {
    auto* own = new QTranslator(application);
    if (!own->load(locale, QStringLiteral("halvero"), QStringLiteral("_"), kFolder)) {
        delete own;
        return {};
    }
    // Qt's own words (the file and colour dialogs, Yes and Cancel) in the
    // same language, where the system has them.
    auto* qt = new QTranslator(application);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return own->language();
}

bool Translations::has(const QLocale& locale) {
    QTranslator probe;
    return probe.load(locale, QStringLiteral("halvero"), QStringLiteral("_"), kFolder);
}

QStringList Translations::shipped() {
    QStringList languages;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("halvero_*.qm")}))
        languages << file.mid(8, file.size() - 8 - 3);
    return languages;
}
