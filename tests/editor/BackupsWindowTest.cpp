// Tools > "Backups...": the backups newest first with their analyser and the count of fields
// each write changed, the filters, the commands on the selected backup, and Delete asking
// first, twice for an analyser's newest backup.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QUrl>

#include "dialogs/ControlNames.h"
#include "documents/MainWindowSession.h"
#include "editor/BackupsWindow.h"
#include "editor/DifferencesDialog.h"
#include "editor/MainWindow.h"
#include "editor/ToolbarWindow.h"
#include "form/MainForm.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/FileBytes.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/SectorBackup.h"

namespace kilnward::editor::testing {

namespace {

class BackupsWindowTest : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        chooseModel(10);
        prompts.clear();
    }

    QString keep(std::uint8_t model, std::uint8_t addr, int day) {
        const transfer::SectorBackup backup{model,
                                            addr,
                                            "2.0",
                                            QDateTime(QDate(2026, 5, day), QTime(9, 0)),
                                            wirelink::ByteBuffer(2048, 0),
                                            {}};
        return transfer::WriteSectorBackup(backup, backups.path(),
                                           session().messageBoxes().translator());
    }
    std::unique_ptr<BackupsWindow> open() {
        BackupsWindow::Actions actions;
        actions.compare = [this](const transfer::SectorBackup& b) { compared.push_back(b.time); };
        actions.restore = [this](const transfer::SectorBackup& b) { restored.push_back(b.time); };
        actions.open = [this](const QUrl& url) { opened.push_back(url.toLocalFile()); };
        auto shown = std::make_unique<BackupsWindow>(session(), backups.path(), std::move(actions),
                                                     &window());
        shown->show();
        return shown;
    }
    static QStringList column(BackupsWindow& shown, int c) {
        QStringList texts;
        for (int row = 0; row < shown.list().topLevelItemCount(); ++row) {
            texts << shown.list().topLevelItem(row)->text(c);
        }
        return texts;
    }
    static void selectRow(BackupsWindow& shown, int row) {
        shown.list().setCurrentItem(shown.list().topLevelItem(row));
    }
    static void filter(QComboBox& box, const QString& text) {
        box.setCurrentIndex(box.findText(text));
        emit box.activated(box.currentIndex());
    }
    int questions() const {
        int count = 0;
        for (const auto& record : prompts.records()) {
            count += record.kind == app::ScriptedPrompts::Kind::Question ? 1 : 0;
        }
        return count;
    }

    QTemporaryDir backups;
    std::vector<QDateTime> compared;
    std::vector<QDateTime> restored;
    QStringList opened;
};

TEST_F(BackupsWindowTest, ListsNewestFirstWithTheirAnalyserAndFiltersByModelAndAddress) {
    keep(10, 1, 3);
    keep(12, 4, 5);
    const QString middle = keep(10, 2, 4);
    ASSERT_TRUE(test::WriteBytes(transfer::WrittenSectorPath(middle), QByteArray(2048, '\0')));
    auto shown = open();
    EXPECT_EQ(column(*shown, 0),
              QStringList({"2026-05-05 09:00:00", "2026-05-04 09:00:00", "2026-05-03 09:00:00"}));
    EXPECT_EQ(column(*shown, 1), QStringList({"Osprey 560", "Harrier 530", "Harrier 530"}));
    EXPECT_EQ(column(*shown, 2), QStringList({"4", "2", "1"}));
    // Only the middle one has the sector written after it, and it is the same.
    EXPECT_EQ(column(*shown, 3), QStringList({"\u2013", "0", "\u2013"}));

    filter(shown->modelFilter(), "Harrier 530");
    EXPECT_EQ(column(*shown, 2), QStringList({"2", "1"}));
    filter(shown->addressFilter(), "1");
    EXPECT_EQ(column(*shown, 2), QStringList({"1"}));
    filter(shown->modelFilter(), "All models");
    filter(shown->addressFilter(), "4");
    EXPECT_EQ(column(*shown, 1), QStringList({"Osprey 560"}));
    // A backup kept meanwhile shows when the window reads the folder again, filters kept.
    keep(12, 4, 6);
    shown->refresh();
    EXPECT_EQ(shown->addressFilter().currentText(), "4");
    EXPECT_EQ(column(*shown, 0), QStringList({"2026-05-06 09:00:00", "2026-05-05 09:00:00"}));
}

TEST_F(BackupsWindowTest, CommandsActOnTheSelectedBackupOfTheEditorsModel) {
    const QString harrier = keep(10, 1, 3);
    const QString osprey = keep(12, 1, 5);
    auto shown = open();
    selectRow(*shown, 1);  // the Harrier 530's, the editor's model
    EXPECT_TRUE(shown->compareButton().isEnabled());
    EXPECT_TRUE(shown->restoreButton().isEnabled());
    EXPECT_FALSE(shown->reportButton().isEnabled());
    shown->compareButton().click();
    shown->restoreButton().click();
    ASSERT_EQ(compared.size(), 1u);
    EXPECT_EQ(compared.front(), QDateTime(QDate(2026, 5, 3), QTime(9, 0)));
    EXPECT_EQ(restored, compared);

    // Another model's sector does not fit the editor's fields.
    selectRow(*shown, 0);
    EXPECT_FALSE(shown->compareButton().isEnabled());
    EXPECT_FALSE(shown->restoreButton().isEnabled());

    ASSERT_TRUE(test::WriteBytes(transfer::BackupReportPath(osprey), "%PDF-1.4"));
    shown->refresh();
    selectRow(*shown, 0);
    ASSERT_TRUE(shown->reportButton().isEnabled());
    shown->reportButton().click();
    shown->folderButton().click();
    EXPECT_EQ(opened, QStringList({transfer::BackupReportPath(osprey), backups.path()}));

    // A file spoiled after it was listed is refused with its message, not restored.
    ASSERT_TRUE(test::WriteBytes(harrier, "spoiled"));
    selectRow(*shown, 1);
    shown->restoreButton().click();
    EXPECT_EQ(restored.size(), 1u);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages().front().contains("not a backup"));
}

TEST_F(BackupsWindowTest, DeleteAsksFirstAndTwiceForTheNewestOfAnAnalyser) {
    const QString older = keep(10, 1, 3);
    const QString newest = keep(10, 1, 4);
    for (const QString& path :
         {transfer::BackupReportPath(older), transfer::WrittenSectorPath(older)}) {
        ASSERT_TRUE(test::WriteBytes(path, "x"));
    }
    auto shown = open();
    const struct {
        int row;
        std::vector<app::PromptAnswer> answers;
        int asked;
        QString path;
        bool deleted;
    } cases[] = {
        // The older backup: one question; No keeps it.
        {1, {app::PromptAnswer::No}, 1, older, false},
        // The newest: the second question can still keep it.
        {0, {app::PromptAnswer::Yes, app::PromptAnswer::No}, 2, newest, false},
        {0, {app::PromptAnswer::No}, 1, newest, false},
        {1, {app::PromptAnswer::Yes}, 1, older, true},
        // Now the only one of its analyser, so the newest.
        {0, {app::PromptAnswer::Yes, app::PromptAnswer::Yes}, 2, newest, true},
    };
    for (const auto& c : cases) {
        prompts.clear();
        for (const app::PromptAnswer answer : c.answers) {
            prompts.queueAnswer(answer);
        }
        selectRow(*shown, c.row);
        shown->deleteButton().click();
        EXPECT_EQ(questions(), c.asked) << c.path.toStdString();
        EXPECT_EQ(prompts.pendingAnswers(), 0u);
        EXPECT_EQ(QFile::exists(c.path), !c.deleted) << c.path.toStdString();
        if (c.deleted) {
            EXPECT_FALSE(QFile::exists(transfer::BackupReportPath(c.path)));
            EXPECT_FALSE(QFile::exists(transfer::WrittenSectorPath(c.path)));
        }
    }
    EXPECT_TRUE(prompts.records().front().text.contains("Harrier 530 (address 1)"));
    EXPECT_EQ(shown->list().topLevelItemCount(), 0);
    EXPECT_FALSE(shown->deleteButton().isEnabled());
}

TEST_F(BackupsWindowTest, TheToolsMenuOpensTheWindowOnTheBackupsFolder) {
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    auto* entry = window().findChild<QAction*>(QStringLiteral("mnubackups"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "&Backups...");
    entry->trigger();
    ASSERT_NE(window().backupsWindow(), nullptr);
    EXPECT_TRUE(window().backupsWindow()->isVisible());
    EXPECT_EQ(window().backupsWindow()->list().topLevelItemCount(), 0);

    const transfer::SectorBackup backup{
        10, 3, "2.0", QDateTime::currentDateTime(), wirelink::ByteBuffer(2048, 0), {}};
    transfer::WriteSectorBackup(backup, transfer::BackupFolder(),
                                session().messageBoxes().translator());
    entry->trigger();
    EXPECT_EQ(window().backupsWindow()->list().topLevelItemCount(), 1);
    qputenv("XDG_DATA_HOME", dataHome);
}

// The editor's windows name their controls by the constants, so each constant must name one.
TEST_F(BackupsWindowTest, EveryEditorWindowControlNameNamesAControl) {
    auto backups = open();
    DifferencesDialog differences({}, {}, session().messageBoxes().translator(), &window());
    QSet<QString> named;
    for (QWidget* shown :
         std::initializer_list<QWidget*>{backups.get(), &differences, &window().toolbar()}) {
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
            named.insert(widget->objectName().section(u'!', 1));
        }
    }
    for (const char* name : dialogs::control::kEditorWindows) {
        EXPECT_TRUE(named.contains(QLatin1String(name))) << name;
    }
}

}  // namespace

}  // namespace kilnward::editor::testing
