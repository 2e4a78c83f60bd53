#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace kilnward::app {
class ScriptedPrompts;
}

namespace kilnward::cli {

// --language N: the column of Language.mdb the captions and texts are taken from (0 English,
// the default), for the commands that write something a person reads.
class LanguageOption {
  public:
    static void addTo(QCommandLineParser& parser);
    // False with a message when N is no language number.
    bool read(const QCommandLineParser& parser, QString& error);
    // Opens the language manager on the program's database with the language selected;
    // false after a usage error (printed, its exit code in `exitCode`) when that language
    // does not exist. The caller releases the manager (language::ReleaseLangMan).
    bool select(const QCommandLineParser& parser, app::ScriptedPrompts& prompts,
                std::optional<int>& exitCode) const;

    int index = 0;
    // Without --language, the language the settings keep (as StoredLanguage) instead of
    // English: for the commands whose output is a record, as the window writes it.
    bool followsSettings = false;
};

// The language the settings keep (Config.ini, as the window starts in it) for as long as it
// lives: the records the window writes are in that language, and so are the command line's.
// English when the settings name none or the program has no language database.
class StoredLanguage {
  public:
    // `prompts` must outlive it: the language manager reports through them.
    explicit StoredLanguage(app::ScriptedPrompts& prompts);
    ~StoredLanguage();
    StoredLanguage(const StoredLanguage&) = delete;
    StoredLanguage& operator=(const StoredLanguage&) = delete;
};

}  // namespace kilnward::cli
