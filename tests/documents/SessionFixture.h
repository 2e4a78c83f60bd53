#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"
#include "documents/ValueEncoding.h"
#include "drivers/ModelRow.h"
#include "form/Form.h"
#include "tests/support/FileBytes.h"

namespace kilnward::documents::testing {

inline std::vector<app::InstrumentEntry> AllModels() {
    std::vector<app::InstrumentEntry> models;
    for (std::uint8_t id : drivers::KnownModelIds()) {
        models.push_back({app::DriverInstrumentName(id).value_or(QString()), id});
    }
    return models;
}

// Every stored key and value of document `d`, in file order.
inline std::vector<std::pair<QString, QString>> Snapshot(MainWindowSession& session, int d) {
    std::vector<std::pair<QString, QString>> values;
    for (const form::FormItem* item : session.window().form().items()) {
        if (session.files().BelongsTo(*item, d)) {
            for (const StoredValue& stored : EncodeControl(*item)) {
                values.emplace_back(stored.key, stored.value);
            }
        }
    }
    return values;
}

// Gives every control of document `d` a value that depends on `seed` and its position.
void Scramble(MainWindowSession& session, int d, int seed);

// A loaded main window with its documents, in a program folder of its own.
class SessionFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        app::ProgramFolder::set(folder.path());
        session = std::make_unique<MainWindowSession>(prompts, translator);
        session->load(AllModels());
        prompts.clear();
    }
    void TearDown() override {
        session.reset();
        app::ProgramFolder::reset();
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    form::Form& form() { return session->window().form(); }
    Documents& documents() { return session->documents(); }
    DocumentFiles& files() { return session->files(); }
    DocumentCommands& commands() { return session->commands(); }

    static QString ReadAll(const QString& file) {
        return QString::fromLatin1(test::ReadBytes(file));
    }
    static void WriteAll(const QString& file, const QByteArray& bytes) {
        ASSERT_TRUE(test::WriteBytes(file, bytes));
    }

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    std::unique_ptr<MainWindowSession> session;
};

}  // namespace kilnward::documents::testing
