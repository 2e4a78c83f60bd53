#include "cli/LanguageOption.h"

#include <QFileInfo>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliOutput.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::cli {

void LanguageOption::addTo(QCommandLineParser& parser) {
    parser.addOption({"language", "Language number of the captions.", "N", "0"});
}

bool LanguageOption::read(const QCommandLineParser& parser, QString& error) {
    bool ok = false;
    index = parser.value("language").toInt(&ok);
    if (!ok || index < 0) {
        error =
            QStringLiteral("--language: not a language number '%1'").arg(parser.value("language"));
        return false;
    }
    return true;
}

namespace {

QString Database() {
    return app::ProgramFolder::dataFile(QStringLiteral("Language.mdb"));
}

// The language manager on the program's database; false when there is none, and the captions
// stay English, which is language 0.
bool OpenLanguages(app::ScriptedPrompts& prompts) {
    language::LanguageManager& manager = language::InitLangMan(prompts);
    return QFileInfo::exists(Database()) && manager.OpenLanguageDataBase(Database(), false);
}

// The language manager on the language the settings keep; English when they name none or
// the database does not have it.
void SelectStoredLanguage(app::ScriptedPrompts& prompts) {
    const int stored = app::ReadLanguageIndexSetting();
    if (OpenLanguages(prompts) && stored > 0 && stored < language::LangMan().LanguageCount()) {
        language::LangMan().SetLanguageIndex(stored);
    }
}

}  // namespace

bool LanguageOption::select(const QCommandLineParser& parser, app::ScriptedPrompts& prompts,
                            std::optional<int>& exitCode) const {
    if (followsSettings && !parser.isSet(QStringLiteral("language"))) {
        SelectStoredLanguage(prompts);
        return true;
    }
    const bool opened = OpenLanguages(prompts);
    language::LanguageManager& manager = language::LangMan();
    const QString database = Database();
    if (index == 0) {
        return true;
    }
    if (!opened || index >= manager.LanguageCount()) {
        exitCode = CliOutput::usageError(
            parser, QStringLiteral("--language: no language %1 in %2").arg(index).arg(database));
        return false;
    }
    manager.SetLanguageIndex(index);
    return true;
}

StoredLanguage::StoredLanguage(app::ScriptedPrompts& prompts) {
    SelectStoredLanguage(prompts);
}

StoredLanguage::~StoredLanguage() {
    language::ReleaseLangMan();
}

}  // namespace kilnward::cli
