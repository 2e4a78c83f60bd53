#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "app/ScriptedPrompts.h"

namespace kilnward::language {
class LanguageManager;
}

namespace kilnward::dialogs::testing {

// The widgets need a QApplication in the process; every test binary of this folder has one.
class WidgetsApplication : public ::testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;

  private:
    int argc_ = 1;
    char name_[16] = "dialogs-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// A program folder of its own holding the shipped data (Param.ini, the default documents,
// the tips files and Language.mdb) and no Config.ini; the language manager reports to
// scripted prompts and starts in English.
class DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString file(const QString& name) const { return folder.filePath(name); }
    void writeConfig(const QString& section, const QString& key, const QString& value);
    QString readConfig(const QString& section, const QString& key);
    // Opens the shipped language database and selects `language` (0 English, 2 Deutsch,
    // 3 Francais).
    void useLanguage(int language);
    // The test's language manager, which the dialogs are handed; it ends in TearDown.
    static language::LanguageManager& languages();
    // Processes events until `done` holds or `timeoutMs` passes; returns `done()`.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs = 5000);

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
};

inline constexpr int kEnglish = 0;
inline constexpr int kGerman = 2;
inline constexpr int kFrench = 3;

}  // namespace kilnward::dialogs::testing
