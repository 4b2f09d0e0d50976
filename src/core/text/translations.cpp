#include "core/text/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString resourceFolder = QStringLiteral(":/i18n");
const QString english = QStringLiteral("en");

// Each translation says which way its language runs; Qt lays the windows out by it as soon as
// the translation is installed.
//: "LTR" for a language written left to right, "RTL" for one written right to left
[[maybe_unused]] const char* const layoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Loads the file into a translator owned by the application; a missing or unreadable file
// leaves the application as it was.
bool installFile(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

namespace Translations {

QStringList shipped()
{
    QStringList languages{english};
    // Picked out by hand: a name filter is a regular expression, whose engine every start would
    // load for this alone.
    const QStringList files = QDir(resourceFolder).entryList(QDir::Files);
    for (const QString& file : files) {
        if (!file.startsWith(QLatin1String("candlewatcher_")) ||
            !file.endsWith(QLatin1String(".qm")))
            continue;
        const QString language = file.mid(14, file.size() - 14 - 3); // candlewatcher_XX.qm
        if (language != english)
            languages << language;
    }
    return languages;
}

QString choose(const QStringList& uiLanguages, const QStringList& shipped)
{
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::C)
            continue;
        // "pt-BR" finds pt_BR before pt, "zh-Hans-CN" finds zh_CN, "de-AT" finds de.
        for (const QString& name : {locale.name(), QLocale::languageToCode(locale.language())}) {
            if (shipped.contains(name))
                return name;
        }
    }
    return english;
}

QString install(QCoreApplication& app, const QStringList& uiLanguages)
{
    // English's own file holds only the plural forms ("1 event", "2 events"); it stays
    // beneath any other language, whose texts come first.
    installFile(app, QStringLiteral("candlewatcher_en"), resourceFolder);
    const QString language = choose(uiLanguages, shipped());
    if (language == english)
        return language;
    installFile(app, QStringLiteral("candlewatcher_") + language, resourceFolder);
    // The standard buttons and dialogs; QTranslator tries "qtbase_pt_BR", then "qtbase_pt".
    installFile(app, QStringLiteral("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QStringList inEveryLanguage(const char* context, const char* sourceText)
{
    QStringList forms{QString::fromUtf8(sourceText)};
    for (const QString& language : shipped()) {
        QTranslator translator;
        if (!translator.load(QStringLiteral("candlewatcher_") + language, resourceFolder))
            continue;
        const QString form = translator.translate(context, sourceText);
        if (!form.isEmpty() && !forms.contains(form))
            forms << form;
    }
    return forms;
}

} // namespace Translations
