#include "dialogs/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

// The application's one translator of Qt's texts, found again by this name.
constexpr auto kTranslatorName = "kilnward-qtbase";

QTranslator& QtTranslator(QCoreApplication& application) {
    auto* translator = application.findChild<QTranslator*>(QLatin1String(kTranslatorName),
                                                           Qt::FindDirectChildrenOnly);
    if (!translator) {
        translator = new QTranslator(&application);
        translator->setObjectName(QLatin1String(kTranslatorName));
    }
    return *translator;
}

}  // namespace

QLocale LanguageLocale(const QString& languageName) {
    const QString name = languageName.trimmed();
    if (name.isEmpty()) {
        return QLocale::c();
    }
    for (int language = QLocale::AnyLanguage + 1; language <= QLocale::LastLanguage; ++language) {
        const QLocale locale(static_cast<QLocale::Language>(language));
        // Some locales name themselves with their country ("español de España").
        const QString native = locale.nativeLanguageName();
        if (locale.language() == language &&
            (native.compare(name, Qt::CaseInsensitive) == 0 ||
             native.section(u' ', 0, 0).compare(name, Qt::CaseInsensitive) == 0 ||
             QLocale::languageToString(locale.language()).compare(name, Qt::CaseInsensitive) ==
                 0)) {
            return locale;
        }
    }
    return QLocale::c();
}

QString FollowLanguageInQt(language::LanguageManager& langMan) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) {
        return {};
    }
    QTranslator& translator = QtTranslator(*application);
    QCoreApplication::removeTranslator(&translator);
    const QLocale locale = LanguageLocale(langMan.Language(langMan.LanguageIndex()));
    if (locale.language() == QLocale::C || locale.language() == QLocale::English ||
        !translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return {};
    }
    QCoreApplication::installTranslator(&translator);
    return locale.name().section(u'_', 0, 0);
}

}  // namespace kilnward::dialogs
