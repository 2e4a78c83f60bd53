#include "tests/dialogs/DialogsFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/support/BinFolder.h"

namespace kilnward::dialogs::testing {

namespace {

const auto* const kApp = ::testing::AddGlobalTestEnvironment(new WidgetsApplication);

}  // namespace

void WidgetsApplication::SetUp() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
}

void WidgetsApplication::TearDown() {
    language::ReleaseLangMan();
    app_.reset();
}

void DialogsTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    const QDir bin(test::BinFolder());
    const QStringList shipped = bin.entryList(
        {"*.ini", "*.TXT", "*.cf1", "*.fu1", "*.hd1", "*.la1", "*.sr1", "*.cfg", "Language.mdb"},
        QDir::Files);
    for (const QString& name : shipped) {
        if (name != QLatin1String("Config.ini")) {
            ASSERT_TRUE(QFile::copy(bin.filePath(name), file(name))) << name.toStdString();
        }
    }
    app::ProgramFolder::set(folder.path());
    language::InitLangMan(prompts);
}

void DialogsTest::TearDown() {
    language::ReleaseLangMan();
    app::ProgramFolder::reset();
}

void DialogsTest::writeConfig(const QString& section, const QString& key, const QString& value) {
    app::WriteConfigValue(section, key, value);
}

QString DialogsTest::readConfig(const QString& section, const QString& key) {
    return app::ReadConfigValue(section, key, QStringLiteral("<missing>"));
}

language::LanguageManager& DialogsTest::languages() {
    return language::LangMan();
}

void DialogsTest::useLanguage(int language) {
    language::LanguageManager& langMan = language::LangMan();
    ASSERT_TRUE(langMan.OpenLanguageDataBase(file("Language.mdb"), false));
    langMan.SetLanguageIndex(language);
    ASSERT_EQ(langMan.LanguageIndex(), language);
}

bool DialogsTest::waitFor(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

}  // namespace kilnward::dialogs::testing
