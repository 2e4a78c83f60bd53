// Every form item has exactly one widget on the window and every named widget an item;
// every field can be found by assistive technology under its caption and its key.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSet>

#include "documents/ControlKey.h"
#include "editor/Binder.h"
#include "editor/Binding.h"
#include "editor/MainWindow.h"
#include "form/Form.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

using CompletenessTest = EditorFixture;

bool IsField(form::ItemKind kind) {
    using form::ItemKind;
    return kind == ItemKind::Numeric || kind == ItemKind::List || kind == ItemKind::Check ||
           kind == ItemKind::Option || kind == ItemKind::Text || kind == ItemKind::Tree;
}

TEST_F(CompletenessTest, EveryItemHasExactlyOneWidgetAndEveryNamedWidgetAnItem) {
    EXPECT_TRUE(window().binder().unboundItems().empty());
    QSet<QString> keys;
    for (form::FormItem* item : form().items()) {
        const QString key = documents::ControlKey(*item);
        EXPECT_FALSE(keys.contains(key)) << key.toStdString();
        keys.insert(key);
        const auto named = window().findChildren<QObject*>(key);
        EXPECT_EQ(named.size(), 1) << key.toStdString();
        // Placed on the window, not floating about.
        Binding* binding = window().binder().find(*item);
        ASSERT_NE(binding, nullptr) << key.toStdString();
        if (QWidget* widget = binding->widget()) {
            EXPECT_EQ(widget->window(), &window()) << key.toStdString();
        }
    }
    for (QObject* object : window().findChildren<QObject*>()) {
        if (object->objectName().startsWith(QStringLiteral("frmMain!"))) {
            EXPECT_TRUE(keys.contains(object->objectName())) << object->objectName().toStdString();
        }
    }
}

TEST_F(CompletenessTest, EveryFieldHasItsCaptionAndKeyForAssistiveTechnology) {
    for (form::FormItem* item : form().items()) {
        if (!IsField(item->kind())) {
            continue;
        }
        QWidget* widget = window().binder().find(*item)->widget();
        const QString key = documents::ControlKey(*item);
        EXPECT_EQ(widget->accessibleDescription(), key);
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << key.toStdString();
        EXPECT_FALSE(widget->accessibleName().contains(u'&')) << key.toStdString();
    }
    EXPECT_EQ(widget<QWidget>("txtheaderline", 2)->accessibleName(),
              QStringLiteral("Header line 2"));
    EXPECT_EQ(widget<QWidget>("cboalmtype", 0)->accessibleName(), QStringLiteral("Type"));
    EXPECT_EQ(widget<QWidget>("trvpage", 3)->accessibleName(), QStringLiteral("Page 4"));
}

TEST_F(CompletenessTest, LabelsLeadToTheirFieldsWithTheirAccessKey) {
    auto* label = widget<QLabel>("lblalmtype", 0);
    EXPECT_EQ(label->buddy(), widget<QWidget>("cboalmtype", 0));
    auto* caption = qobject_cast<QLabel*>(
        window().binder().find(QStringLiteral("TDBNumalmval"), 0)->captionWidget());
    EXPECT_EQ(caption->buddy(), widget<QWidget>("TDBNumalmval", 0));
}

TEST_F(CompletenessTest, CaptionsAndNamesFollowTheLanguage) {
    language::LangMan().SetLanguageIndex(2);  // Deutsch
    window().retranslate();
    auto* file = window().findChild<QMenu*>(QStringLiteral("frmMain!mnufile"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("&Profil"));
    const QString name = widget<QWidget>("txtheaderline", 2)->accessibleName();
    EXPECT_NE(name, QStringLiteral("Header line 2"));
    EXPECT_FALSE(name.isEmpty());
}

}  // namespace

}  // namespace kilnward::editor::testing
