// A change of language reaches what the window shows besides its own captions: Qt's own
// texts (message-box buttons, file dialogs) and the outcome line of the last transfer.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "app/Catalogue.h"
#include "dialogs/MessageBoxPrompts.h"

#include "dialogs/QtTranslations.h"
#include "editor/MainWindow.h"
#include "editor/StatusLine.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

constexpr int kEnglish = 0;
constexpr int kDeutsch = 2;

class LanguageSwitchTest : public EditorFixture {
  protected:
    void switchTo(int language) {
        language::LangMan().SetLanguageIndex(language);
        window().retranslate();
    }
    // The buttons of the next modal dialog; with KILNWARD_SCREENSHOT_DIR set, its picture is
    // kept there as `picture`.png. The dialog is then closed.
    static void readButtonsOfNextDialog(QStringList& texts, const QString& picture) {
        whenModal([&texts, picture](QDialog& dialog) {
            for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
                if (button->isVisible()) {
                    texts << button->text();
                }
            }
            const QString folder = qEnvironmentVariable("KILNWARD_SCREENSHOT_DIR");
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                dialog.grab().save(QDir(folder).filePath(picture + QStringLiteral(".png")));
            }
            dialog.reject();
        });
    }
    static QString yesButton() {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    }
};

TEST(LanguageLocale, NamesTheLocaleOfEachLanguageColumn) {
    const std::pair<const char*, const char*> columns[]{
        {"English", "en"},  {"Italiano", "it"}, {"Deutsch", "de"},
        {"Français", "fr"}, {"Español", "es"},  {"Klingon", "C"},
    };
    for (const auto& [column, locale] : columns) {
        EXPECT_EQ(dialogs::LanguageLocale(QString::fromUtf8(column)).name().section(u'_', 0, 0),
                  QLatin1String(locale))
            << column;
    }
}

TEST_F(LanguageSwitchTest, QtsOwnTextsFollowTheChosenLanguage) {
    const QString english = yesButton();
    switchTo(kDeutsch);
    EXPECT_EQ(yesButton(), QStringLiteral("&Ja"));
    switchTo(kEnglish);
    EXPECT_EQ(yesButton(), english);
}

TEST_F(LanguageSwitchTest, TheWindowsQuestionsAndFileDialogsSpeakGerman) {
    switchTo(kDeutsch);
    dialogs::MessageBoxPrompts boxes;
    boxes.setFallbackParent(&window());
    QStringList question;
    readButtonsOfNextDialog(question, QStringLiteral("message-box-de"));
    boxes.ask(QStringLiteral("Konfigurationsdaten sind geändert. Speichern?"),
              QStringLiteral("Kilnward"), app::PromptButtons::YesNoCancel,
              app::PromptIcon::Question);
    EXPECT_TRUE(question.contains(QStringLiteral("&Ja"))) << question.join(u',').toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("&Nein"))) << question.join(u',').toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("Abbrechen")))
        << question.join(u',').toStdString();

    QStringList chooser;
    readButtonsOfNextDialog(chooser, QStringLiteral("file-dialog-de"));
    // A folder of configurations to look at, in the picture too.
    QDir files(folder.path());
    ASSERT_TRUE(files.mkpath(QStringLiteral("Konfigurationen")) &&
                files.cd(QStringLiteral("Konfigurationen")));
    for (const char* name : {"Heizraum 3.cfg", "Kessel Nord.cfg", "Werkstatt.cfg"}) {
        QFile file(files.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    boxes.chooseFile(app::FileChooserMode::Open, files.filePath(QStringLiteral("Werkstatt.cfg")),
                     QStringLiteral("Konfiguration (*.cfg)|*.cfg"), QStringLiteral("cfg"),
                     QStringLiteral("Öffnen"));
    EXPECT_TRUE(chooser.contains(QStringLiteral("Abbrechen"))) << chooser.join(u',').toStdString();
    boxes.setFallbackParent(nullptr);
    switchTo(kEnglish);
}

TEST_F(LanguageSwitchTest, TheLastOutcomeLineFollowsTheLanguage) {
    chooseModel(10);
    chooseSimulator(0);
    ASSERT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    switchTo(kDeutsch);
    const QString german = language::LangMan().TranslateString(QStringLiteral("getopdone"),
                                                               QStringLiteral("Receiving...Done"));
    ASSERT_NE(german, QStringLiteral("Receiving...Done"));
    EXPECT_EQ(window().statusLine().outcomeText(), german);
    switchTo(kEnglish);
    EXPECT_EQ(window().statusLine().outcomeText(), QStringLiteral("Receiving...Done"));
}

// The simulated analyser's first memory is the default configuration, loaded in a hidden
// window of its own; that must not turn the program's parameter names back into English.
TEST_F(LanguageSwitchTest, AFirstSimulatedReceiveKeepsTheParameterNamesInTheChosenLanguage) {
    chooseModel(10);
    chooseSimulator(0);
    switchTo(kDeutsch);
    const QString oxygen = app::Params().entryForId(1).Name;
    ASSERT_EQ(oxygen, QStringLiteral("Sauerstoff O2"));
    ASSERT_EQ(transferThroughMenu("mnufileget"),
              language::LangMan().TranslateString(QStringLiteral("getopdone"),
                                                  QStringLiteral("Receiving...Done")));
    EXPECT_EQ(app::Params().entryForId(1).Name, oxygen);
    switchTo(kEnglish);
}

}  // namespace

}  // namespace kilnward::editor::testing
