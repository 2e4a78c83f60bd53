#include "cli/LanguageOption.h"

#include <QFileInfo>

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

bool LanguageOption::select(const QCommandLineParser& parser, app::ScriptedPrompts& prompts,
                            std::optional<int>& exitCode) const {
    language::LanguageManager& manager = language::InitLangMan(prompts);
    const QString database = app::ProgramFolder::dataFile(QStringLiteral("Language.mdb"));
    // Without a database the captions stay English, which is language 0.
    const bool opened =
        QFileInfo::exists(database) && manager.OpenLanguageDataBase(database, false);
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

}  // namespace kilnward::cli
