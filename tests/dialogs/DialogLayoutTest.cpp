// Every dialog in English, German and French: no caption is cut off or squeezed, and every
// caption has its translations. With KILNWARD_SCREENSHOT_DIR set, each dialog is also saved
// there as a picture.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QSet>

#include <map>

#include "dialogs/ConnectionTester.h"
#include "dialogs/ControlNames.h"
#include "dialogs/LinkTraceWindow.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmTip.h"
#include "dialogs/frmfilesloaded.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "language/TranslationTable.h"
#include "tests/dialogs/TransferFixture.h"
#include "tests/support/MissingPort.h"

namespace kilnward::dialogs {
namespace {

using testing::TransferDialogTest;

// The captions of `window` that do not get the room they ask for.
std::vector<QString> CutCaptions(QWidget& window) {
    std::vector<QString> cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        const QSize room = widget->size();
        const QSize wanted = widget->sizeHint();
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
            if (label->wordWrap()) {
                if (room.height() < label->heightForWidth(room.width())) {
                    cut.push_back(caption);
                }
                continue;
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            caption = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            caption = box->title();
        } else {
            continue;
        }
        if (room.width() < wanted.width() || room.height() < wanted.height()) {
            cut.push_back(caption);
        }
    }
    return cut;
}

class DialogLayoutTest : public TransferDialogTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        TransferDialogTest::SetUp();
        useLanguage(GetParam());
    }

    // `fitted`: sized to its content first, as a dialog opens; else as it stands, as a shown
    // dialog is when its texts change.
    void check(QWidget& window, const QString& picture, bool fitted = true) {
        window.show();
        if (fitted) {
            window.adjustSize();
        }
        QCoreApplication::processEvents();
        const std::vector<QString> cut = CutCaptions(window);
        for (const QString& caption : cut) {
            ADD_FAILURE() << picture.toStdString() << ": " << caption.toStdString();
        }
        const QString folder = qEnvironmentVariable("KILNWARD_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            const QString language = language::LangMan().Language(GetParam()).left(2).toLower();
            ASSERT_TRUE(QDir().mkpath(folder));
            ASSERT_TRUE(
                window.grab().save(QDir(folder).filePath(picture + "-" + language + ".png")));
        }
        window.hide();
    }
};

TEST_P(DialogLayoutTest, SettingsInBothModes) {
    ConnectionTester tester(*simulated, languages(),
                            [this] { return session->window().currentDriver(); });
    settings->setConnectionTester(&tester);
    settings->definemode(frmconfig::kSerialMode);
    settings->load();
    settings->findChild<QAbstractButton*>(QStringLiteral("frmconfig!cmdtest"))->click();
    check(*settings, "settings-serial");
    // The longest outcome: an error with its hint.
    settings->findChild<QComboBox*>(QStringLiteral("frmconfig!lstport"))
        ->setEditText(QStringLiteral("/nonexistent/ttyUSB0"));
    settings->findChild<QAbstractButton*>(QStringLiteral("frmconfig!cmdtest"))->click();
    check(*settings, "settings-serial-failed");
    settings->definemode(frmconfig::kLanguageMode);
    settings->load();
    check(*settings, "settings-language");
}

TEST_P(DialogLayoutTest, SplashAboutTipsAndLoadedFiles) {
    frmSplash splash(languages());
    splash.setStatus(
        language::LangMan().TranslateString("loadlangman", "Loading language manager..."));
    check(splash, "splash");
    frmAbout about(languages());
    check(about, "about");
    frmTip tip(languages());
    tip.load();
    check(tip, "tip");
    frmfilesloaded files(*session, languages());
    check(files, "loaded-files");
    LinkTraceWindow trace(languages(), prompts);
    trace.show();
    ConnectionTester tester(
        *simulated, languages(), [this] { return session->window().currentDriver(); },
        [&trace] { return trace.activeTrace(); });
    ASSERT_TRUE(tester.check(settings->linkSettings()).ok);
    check(trace, "link-trace");
}

TEST_P(DialogLayoutTest, TransferWhileRunningAndAfterwards) {
    dialog->setWait([this](int) { check(*dialog, "transfer-running"); });
    ASSERT_EQ(dialog->run(transfer::TransferKind::Send), transfer::TransferOutcome::Done);
    check(*dialog, "transfer-done");
}

// A status of several lines, set while the dialog shows, gets the room it needs, and gives it
// back when a shorter one follows.
TEST_P(DialogLayoutTest, TransferWhoseStatusGrowsWhileItShows) {
    writeConfig("Serial", "Serialport", kilnward::test::MissingPortName());
    settings = std::make_unique<frmconfig>(languages(), false, false);
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get()});
    int pauses = 0;
    dialog->setWait([this, &pauses](int) {
        if (++pauses == 1) {
            check(*dialog, "transfer-port-failed", false);
        }
    });
    EXPECT_EQ(dialog->run(transfer::TransferKind::Receive),
              transfer::TransferOutcome::PortNotOpened);
    EXPECT_GT(pauses, 0);
    // A one-line status that follows takes back the room: no empty band above the bar.
    dialog->show();
    const int oneLine = dialog->height();
    dialog->setStatus(QString(300, u'x').replace(QStringLiteral("xxxxx"), QStringLiteral("xxxx ")));
    EXPECT_GT(dialog->height(), oneLine);
    dialog->setStatus(QStringLiteral("Done"));
    EXPECT_EQ(dialog->height(), dialog->heightForWidth(dialog->width()));
    dialog->hide();
}

// Every caption the dialogs translate, and their program texts, in every shipped language.
TEST_F(TransferDialogTest, EveryDialogCaptionIsTranslatedInEveryLanguage) {
    language::TranslationTable table;
    QString error;
    ASSERT_TRUE(table.readDatabase(file("Language.mdb"), &error)) << error.toStdString();
    std::map<QString, std::vector<QString>> cells;
    for (const auto& row : table.rows) {
        cells[row.key.toLower()] = row.cells;
    }
    const auto expectTranslated = [&](const QString& key) {
        const auto found = cells.find(key.toLower());
        ASSERT_NE(found, cells.end()) << key.toStdString();
        ASSERT_EQ(found->second.size(), std::size_t(table.languages.size()));
        for (const QString& cell : found->second) {
            EXPECT_FALSE(cell.isEmpty()) << key.toStdString();
        }
    };
    frmAbout about(languages());
    frmTip tip(languages());
    frmfilesloaded files(*session, languages());
    frmSplash splash(languages());
    LinkTraceWindow trace(languages(), prompts);
    for (QWidget* window : std::initializer_list<QWidget*>{settings.get(), dialog.get(), &tip,
                                                           &files, &about, &splash, &trace}) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            WidgetControl control(*widget);
            if (IsNamedControl(*widget) && !control.tag().startsWith('x') &&
                control.kind() == language::ControlKind::Caption) {
                expectTranslated(control.controlKey());
            }
        }
    }
    for (const char* key :
         {"frmconfig", "frmadvance", "frmlinktrace", "mnulinktrace", "frmTip", "frmfilesloaded",
          "simulatedport", "LegalCopyright", "Comments", "sfrmAbout", "tipfile", "tipnotfound",
          "Error-2147220980", "Error-2147220992"}) {
        expectTranslated(QLatin1String(key));
    }
}

// The dialogs name their controls by the constants, so each constant must name one.
TEST_F(TransferDialogTest, EveryControlNameNamesAControlOfADialog) {
    frmAbout about(languages());
    frmTip tip(languages());
    frmfilesloaded files(*session, languages());
    frmSplash splash(languages());
    LinkTraceWindow trace(languages(), prompts);
    QSet<QString> named;
    for (QWidget* window : std::initializer_list<QWidget*>{settings.get(), dialog.get(), &tip,
                                                           &files, &about, &splash, &trace}) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (IsNamedControl(*widget)) {
                const QString key = WidgetControl(*widget).controlKey();
                named.insert(key.section(u'!', 1).section(u'#', 0, 0));
            }
        }
    }
    for (const char* name : control::kDialogs) {
        EXPECT_TRUE(named.contains(QLatin1String(name))) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLayoutTest,
                         ::testing::Values(testing::kEnglish, testing::kGerman, testing::kFrench));

}  // namespace
}  // namespace kilnward::dialogs
