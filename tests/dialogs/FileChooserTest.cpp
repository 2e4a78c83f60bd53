// The window's file chooser: where it opens for the name it is given.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "dialogs/MessageBoxPrompts.h"
#include "tests/dialogs/DialogsFixture.h"

namespace kilnward::dialogs {
namespace {

using testing::DialogsTest;

class FileChooserTest : public DialogsTest {
  protected:
    // The folder the chooser shows when it opens for `fileName`; the chooser is then
    // cancelled.
    QString openedIn(const QString& fileName) {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* chooser = qobject_cast<QFileDialog*>(widget);
                    chooser && chooser->isVisible()) {
                    shown = chooser->directory().absolutePath();
                    chooser->reject();
                }
            }
        });
        MessageBoxPrompts prompts;
        EXPECT_EQ(prompts.chooseFile(app::FileChooserMode::Open, fileName,
                                     QStringLiteral("Backups (*.kwb)|*.kwb"), QStringLiteral("kwb"),
                                     QStringLiteral("Choose")),
                  std::nullopt);
        return shown;
    }
};

TEST_F(FileChooserTest, OpensInAFolderItIsGivenAndBesideAFileItIsGiven) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("data/backups")));
    const QString backups = QDir(home.filePath(QStringLiteral("data/backups"))).absolutePath();
    QFile kept(backups + QStringLiteral("/kept.kwb"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    const struct {
        QString given;
        QString folder;
    } cases[] = {
        {backups, backups},
        {backups + QStringLiteral("/"), backups},
        {backups + QStringLiteral("/kept.kwb"), backups},
        {backups + QStringLiteral("/new.kwb"), backups},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given.toStdString());
        EXPECT_EQ(openedIn(c.given), c.folder);
    }
}

}  // namespace
}  // namespace kilnward::dialogs
