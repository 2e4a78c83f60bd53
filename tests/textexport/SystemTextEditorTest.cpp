#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include "textexport/SystemTextEditor.h"

namespace kilnward::textexport::testing {
namespace {

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
}  // namespace kilnward::textexport::testing
