#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ScriptedPrompts.h"
#include "language/LanguageManager.h"
#include "language/TranslationTable.h"

// A database in a scratch folder and a manager reporting to scripted prompts.
class LanguageFixture : public ::testing::Test {
  protected:
    using Table = kilnward::language::TranslationTable;

    static Table ThreeLanguages() {
        Table table;
        table.languages = {"English", "Italiano", "Deutsch"};
        table.rows = {
            {"done", {"Done.", "Fatto.", "Fertig."}},
            {"about", {"About %1%", "Informazioni su %1%", ""}},
            {"say \"hi\"", {"Hello", "Ciao", "Hallo"}},
            {"gas:3", {"Carbon monoxide", "Monossido di carbonio", "Kohlenmonoxid"}},
        };
        return table;
    }

    QString makeDatabase(const Table& table, const QString& name = "Language.mdb") {
        const QString path = dir.filePath(name);
        QString error;
        EXPECT_TRUE(table.writeDatabase(path, &error)) << error.toStdString();
        return path;
    }

    int rowCount(const QString& path) {
        Table table;
        QString error;
        EXPECT_TRUE(table.readDatabase(path, &error)) << error.toStdString();
        return static_cast<int>(table.rows.size());
    }

    QTemporaryDir dir;
    kilnward::app::ScriptedPrompts prompts;
    kilnward::language::LanguageManager manager{prompts};
};
