#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/EnglishTranslator.h"
#include "editor/export/RunTextExport.h"
#include "editor/export/frmPrintConfig.h"
#include "tests/textexport/ExportFixture.h"

namespace kilnward::editor::testing {
namespace {

using textexport::ExportOutcome;
using textexport::ExportSelection;
using textexport::kExportAll;
using textexport::PrintConfigAnswer;
using textexport::testing::ExportFixture;

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
    app::EnglishTranslator english;
    answer.cancelled = true;
    frmPrintConfig dialog(answer, english);
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
    app::EnglishTranslator english;
    answer.selection = Ticked({0, 3, 10});
    frmPrintConfig dialog(answer, english);
    dialog.printOption(kExportAll)->setChecked(false);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(answer.selection, ExportSelection{});
    EXPECT_FALSE(answer.cancelled);
}

TEST(PrintConfigDialog, AbortAndEscapeCancel) {
    PrintConfigAnswer answer;
    app::EnglishTranslator english;
    answer.selection = Ticked({4});
    {
        frmPrintConfig dialog(answer, english);
        QTest::mouseClick(dialog.abortButton(), Qt::LeftButton);
        EXPECT_TRUE(answer.cancelled);
    }
    frmPrintConfig dialog(answer, english);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(answer.cancelled);
    EXPECT_EQ(answer.selection, Ticked({4}));
}

TEST(PrintConfigDialog, CloseBoxKeepsThePreviousSelection) {
    PrintConfigAnswer answer;
    app::EnglishTranslator english;
    answer.selection = Ticked({1, 9});
    answer.cancelled = true;
    frmPrintConfig dialog(answer, english);
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
    EXPECT_EQ(runTextExport(nullptr, form(), session->commands(), answer, translator, &editor),
              ExportOutcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(ConfigTextPath()));
    EXPECT_TRUE(editor.opened.empty());
}

TEST_F(RunTextExportTest, OkWritesConfigTxtAndOpensIt) {
    PrintConfigAnswer answer;
    PressWhenShown(&frmPrintConfig::okButton);
    EXPECT_EQ(runTextExport(nullptr, form(), session->commands(), answer, translator, &editor),
              ExportOutcome::Opened);
    EXPECT_EQ(QFileInfo(ConfigTextPath()).absoluteFilePath(),
              QDir(folder.path()).absoluteFilePath("Config.txt"));
    EXPECT_EQ(editor.opened, std::vector<QString>{ConfigTextPath()});
    QFile written(ConfigTextPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("Filename : (None)\r\n"));
}

}  // namespace
}  // namespace kilnward::editor::testing
