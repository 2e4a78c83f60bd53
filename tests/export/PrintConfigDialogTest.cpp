#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

#include "ExportFixture.h"
#include "editor/export/RunTextExport.h"
#include "editor/export/SystemTextEditor.h"
#include "editor/export/frmPrintConfig.h"

namespace kilnward::editor::testing {
namespace {

class WidgetsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "export-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
const auto* const kWidgets = ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

ExportSelection Ticked(std::initializer_list<int> entries) {
    ExportSelection selection{};
    for (int entry : entries) {
        selection[static_cast<size_t>(entry)] = true;
    }
    return selection;
}

TEST(PrintConfigDialog, OpensWithOnlyPrintAllTickedAndOkStoresTheBoxes) {
    PrintConfigAnswer answer;
    answer.cancelled = true;
    frmPrintConfig dialog(answer);
    EXPECT_FALSE(answer.cancelled);
    EXPECT_EQ(dialog.windowTitle(), "Select config to print");
    for (int i = 0; i < kExportAll; ++i) {
        EXPECT_FALSE(dialog.printOption(i)->isChecked()) << i;
    }
    EXPECT_TRUE(dialog.printOption(kExportAll)->isChecked());
    EXPECT_EQ(dialog.printOption(8)->text(), "Print timers");
    EXPECT_EQ(dialog.printOption(8)->accessibleName(), "Print timers");
    EXPECT_TRUE(dialog.okButton()->isDefault());

    dialog.printOption(kExportAll)->setChecked(false);
    dialog.printOption(8)->setChecked(true);
    // A grey box counts as not ticked.
    dialog.printOption(2)->setTristate(true);
    dialog.printOption(2)->setCheckState(Qt::PartiallyChecked);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(answer.selection, Ticked({8}));
    EXPECT_FALSE(answer.cancelled);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(PrintConfigDialog, OkWithNothingTickedClearsEveryEntry) {
    PrintConfigAnswer answer;
    answer.selection = Ticked({0, 3, 10});
    frmPrintConfig dialog(answer);
    dialog.printOption(kExportAll)->setChecked(false);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(answer.selection, ExportSelection{});
    EXPECT_FALSE(answer.cancelled);
}

TEST(PrintConfigDialog, AbortAndEscapeCancel) {
    PrintConfigAnswer answer;
    answer.selection = Ticked({4});
    {
        frmPrintConfig dialog(answer);
        QTest::mouseClick(dialog.abortButton(), Qt::LeftButton);
        EXPECT_TRUE(answer.cancelled);
    }
    frmPrintConfig dialog(answer);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(answer.cancelled);
    EXPECT_EQ(answer.selection, Ticked({4}));
}

TEST(PrintConfigDialog, CloseBoxKeepsThePreviousSelection) {
    PrintConfigAnswer answer;
    answer.selection = Ticked({1, 9});
    answer.cancelled = true;
    frmPrintConfig dialog(answer);
    dialog.show();
    dialog.printOption(5)->setChecked(true);
    dialog.close();
    EXPECT_FALSE(answer.cancelled);
    EXPECT_EQ(answer.selection, Ticked({1, 9}));
}

// The menu command from the window's side: the dialog answers, Config.txt in the program's
// writable folder, the editor.
class RunTextExportTest : public ExportFixture {
  protected:
    // Presses `button` of the dialog once it is shown.
    static void PressWhenShown(QPushButton* (frmPrintConfig::*button)() const) {
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<frmPrintConfig*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick((dialog->*button)(), Qt::LeftButton);
        });
    }
};

TEST_F(RunTextExportTest, AbortWritesNothingAndStartsNoEditor) {
    PrintConfigAnswer answer;
    PressWhenShown(&frmPrintConfig::abortButton);
    EXPECT_EQ(runTextExport(nullptr, form(), session->commands(), answer, &editor),
              ExportOutcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(ConfigTextPath()));
    EXPECT_TRUE(editor.opened.empty());
}

TEST_F(RunTextExportTest, OkWritesConfigTxtAndOpensIt) {
    PrintConfigAnswer answer;
    PressWhenShown(&frmPrintConfig::okButton);
    EXPECT_EQ(runTextExport(nullptr, form(), session->commands(), answer, &editor),
              ExportOutcome::Opened);
    EXPECT_EQ(QFileInfo(ConfigTextPath()).absoluteFilePath(),
              QDir(folder.path()).absoluteFilePath("Config.txt"));
    EXPECT_EQ(editor.opened, std::vector<QString>{ConfigTextPath()});
    QFile written(ConfigTextPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("Filename : (None)\r\n"));
}

// KILNWARD_EDITOR names the editor; the file's path reaches it as one argument, whatever
// blanks or shell characters it holds.
TEST(SystemTextEditor, StartsTheConfiguredEditorWithoutAShell) {
    QTemporaryDir dir;
    const QString script = dir.filePath("editor.sh");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened.tmp\"\n"
        "mv \"$(dirname \"$0\")/opened.tmp\" \"$(dirname \"$0\")/opened\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("KILNWARD_EDITOR", QFile::encodeName(script));
    const QString listing = dir.filePath("a b;touch x.txt");
    EXPECT_EQ(SystemTextEditor::Command(listing), QStringList({script, listing}));
    ASSERT_TRUE(SystemTextEditor().open(listing));
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(dir.filePath("opened")) && !deadline.hasExpired()) {
        QThread::msleep(20);
    }
    QFile opened(dir.filePath("opened"));
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(opened.readAll()), listing);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.txt")));
    qunsetenv("KILNWARD_EDITOR");
#ifndef Q_OS_WIN
    EXPECT_EQ(SystemTextEditor::Command("c.txt"), QStringList({"xdg-open", "c.txt"}));
#endif
}

// The listing opens in Notepad on Windows with the system's separators, in the desktop's text
// application elsewhere; a configured editor wins everywhere.
TEST(SystemTextEditor, StartsThePlatformsEditorWithThePlatformsPath) {
    using wirelink::Platform;
    struct Case {
        const char* editor;
        Platform platform;
        QStringList command;
    };
    const QString listing = "C:/Program Files/Kilnward/Config.txt";
    for (const Case& c : {
             Case{
                 "", Platform::Windows, {"notepad.exe", "C:\\Program Files\\Kilnward\\Config.txt"}},
             Case{"\"C:/Tools/Edit Pad.exe\" /n",
                  Platform::Windows,
                  {"C:/Tools/Edit Pad.exe", "/n", "C:\\Program Files\\Kilnward\\Config.txt"}},
             Case{"", Platform::Posix, {"xdg-open", listing}},
             Case{"gedit --new-window", Platform::Posix, {"gedit", "--new-window", listing}},
         }) {
        EXPECT_EQ(SystemTextEditor::Command(listing, QString::fromUtf8(c.editor), c.platform),
                  c.command)
            << c.editor;
    }
}

}  // namespace
}  // namespace kilnward::editor::testing
