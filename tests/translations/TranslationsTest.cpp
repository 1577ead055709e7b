// The shipped translations: every text of the window translated in each
// language, its placeholders and access keys kept, and each language found
// from the locale as the program starts.

#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source;
    QStringList translations; // one, or a form for each plural
    bool unfinished = false;
};

// The messages of a Qt Linguist file.
QList<Message> readMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, false});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            messages.last().unfinished = type == QLatin1String("unfinished") ||
                                         type == QLatin1String("vanished") ||
                                         type == QLatin1String("obsolete");
            if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                messages.last().translations << xml.text().toString();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    return messages;
}

// "%1 %2 %n", sorted: what a translation must keep of its source.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// Whether `text` gives an access key: an ampersand before a letter, not
// "&&".
bool hasAccessKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("(^|[^&])&[^&\\s]"));
    return text.contains(key);
}

QString where(const Message& message) {
    return message.context + QStringLiteral(": ") + message.source;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The files checked: the shipped ones, or those the check brought
        // up to date with the sources (HALVERO_TRANSLATIONS).
        m_folder = qEnvironmentVariable("HALVERO_TRANSLATIONS", QStringLiteral(TRANSLATIONS_DIR));
        QVERIFY(!Translations::shipped().isEmpty());
    }

    void everyTextIsTranslated_data() { languages(); }
    void everyTextIsTranslated() {
        QFETCH(QString, path);
        const QList<Message> messages = readMessages(path);
        QVERIFY2(messages.size() > 100, qPrintable(path));
        QStringList missing;
        for (const Message& message : messages) {
            const bool empty = message.translations.isEmpty() ||
                               std::any_of(message.translations.begin(), message.translations.end(),
                                           [](const QString& t) { return t.trimmed().isEmpty(); });
            if (message.unfinished || (empty && !message.source.trimmed().isEmpty()))
                missing << where(message);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no translation for:\n") +
                                               missing.join(QLatin1Char('\n'))));
    }

    void placeholdersAndAccessKeysAreKept_data() { languages(); }
    void placeholdersAndAccessKeysAreKept() {
        QFETCH(QString, path);
        QStringList wrong;
        for (const Message& message : readMessages(path))
            for (const QString& translation : message.translations) {
                if (placeholders(translation) != placeholders(message.source))
                    wrong << where(message) + QStringLiteral(" -> ") + translation;
                if (hasAccessKey(translation) != hasAccessKey(message.source))
                    wrong << where(message) + QStringLiteral(" -> ") + translation;
            }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Every .ts file is built into the program, and the locale picks it.
    void eachLanguageIsPickedFromTheLocale_data() { languages(); }
    void eachLanguageIsPickedFromTheLocale() {
        QFETCH(QString, path);
        const QString language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
        QVERIFY2(Translations::shipped().contains(language), qPrintable(language));
        QCOMPARE(Translations::install(QCoreApplication::instance(),
                                       QLocale(language + QStringLiteral("_XX"))),
                 language);
        QVERIFY(QCoreApplication::translate("MainActions", "&File") != QLatin1String("&File"));
    }

    void englishNeedsNoTranslation() {
        QCOMPARE(Translations::install(QCoreApplication::instance(),
                                       QLocale(QLocale::English, QLocale::UnitedStates)),
                 QString());
    }

private:
    void languages() {
        QTest::addColumn<QString>("path");
        const QDir folder(m_folder);
        const QStringList files = folder.entryList({QStringLiteral("halvero_*.ts")});
        QVERIFY(!files.isEmpty());
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    QString m_folder;
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
