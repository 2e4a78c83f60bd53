#include <gtest/gtest.h>

#include <QSet>
#include <QString>

#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/FormDefinition.h"
#include "form/FormItem.h"

namespace kilnward::form {
namespace {

class FieldNamesTest : public ::testing::Test {
  protected:
    FieldNamesTest() : form(kMainWindowName) {
        DeclareMainWindow(form);
        for (const FormItem* item : form.items()) {
            itemNames.insert(item->name());
        }
    }
    Form form;
    // As spelled by the form, which finds items whatever their case.
    QSet<QString> itemNames;
};

TEST_F(FieldNamesTest, EveryNameNamesAnItemOfTheForm) {
    for (const char* name : field::kAll) {
        EXPECT_TRUE(itemNames.contains(QString::fromLatin1(name))) << name;
    }
}

// The field table declares its items by the names, so no item escapes them.
TEST_F(FieldNamesTest, EveryItemOfTheFormHasExactlyOneName) {
    QSet<QString> names;
    for (const char* name : field::kAll) {
        EXPECT_FALSE(names.contains(QString::fromLatin1(name))) << name << " is listed twice";
        names.insert(QString::fromLatin1(name));
    }
    EXPECT_EQ(names, itemNames);
}

}  // namespace
}  // namespace kilnward::form
