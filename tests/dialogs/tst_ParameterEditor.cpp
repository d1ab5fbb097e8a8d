// The editor of one parameter definition.
#include "dialogs/CReqParEdit.h"
#include "model/DVParameter.h"
#include "support/DVTestSupport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

DVParameter ListDefinition(const QStringList& items, int defaultItem) {
    DVParameter definition;
    definition.m_nId = 4;
    definition.m_strName = QStringLiteral("Colour");
    definition.m_nType = DVParameter::TypeList;
    definition.m_items = items;
    definition.m_nDefaultItem = defaultItem;
    return definition;
}

QStringList Items(const CReqParEdit& editor) {
    QStringList items;
    for (int i = 0; i < editor.ItemList()->topLevelItemCount(); ++i) {
        items.append(editor.ItemList()->topLevelItem(i)->text(0));
    }
    return items;
}

void Select(CReqParEdit& editor, int index) {
    editor.ItemList()->setCurrentItem(editor.ItemList()->topLevelItem(index));
}

TEST(ParameterEditor, TitleAndIdentifierTellNewFromExisting) {
    DVParameter fresh;
    CReqParEdit add(&fresh);
    EXPECT_EQ(add.windowTitle(), QStringLiteral("Add New Parameter"));
    EXPECT_EQ(add.IdEdit()->text(), QStringLiteral("---"));
    EXPECT_TRUE(add.IdEdit()->isReadOnly());
    EXPECT_EQ(add.NameEdit()->text(), QStringLiteral("New Parameter"));
    EXPECT_EQ(add.TypeCombo()->currentText(), QStringLiteral("Text"));

    DVParameter existing = ListDefinition({}, -1);
    CReqParEdit edit(&existing);
    EXPECT_EQ(edit.windowTitle(), QStringLiteral("Edit Parameter Colour"));
    EXPECT_EQ(edit.IdEdit()->text(), QStringLiteral("4"));
}

TEST(ParameterEditor, ControlsFollowTheType) {
    DVParameter definition;
    definition.m_nMaxLength = -5;
    CReqParEdit editor(&definition);
    EXPECT_FALSE(editor.MaxLengthCheck()->isChecked());
    EXPECT_EQ(editor.MaxLengthEdit()->text(), QStringLiteral("0"));
    for (int type : {DVParameter::TypeText, DVParameter::TypeNumber, DVParameter::TypeList}) {
        SCOPED_TRACE(type);
        editor.TypeCombo()->setCurrentIndex(type);
        EXPECT_EQ(editor.MaxLengthCheck()->isEnabled(), type == DVParameter::TypeText);
        EXPECT_EQ(editor.MaxLengthEdit()->isEnabled(), type == DVParameter::TypeText);
        EXPECT_EQ(editor.MinimumCheck()->isEnabled(), type == DVParameter::TypeNumber);
        EXPECT_EQ(editor.MaximumEdit()->isEnabled(), type == DVParameter::TypeNumber);
        EXPECT_EQ(editor.ItemList()->isEnabled(), type == DVParameter::TypeList);
    }
}

TEST(ParameterEditor, ItemButtonsKeepTheDefaultOnItsItem) {
    DVParameter definition = ListDefinition({}, -1);
    CReqParEdit editor(&definition);
    editor.AddItem();
    EXPECT_EQ(editor.DefaultItem(), 0);  // the first item becomes the default
    editor.AddItem();
    editor.AddItem();
    EXPECT_EQ(Items(editor), QStringList(3, QStringLiteral("New Item")));
    EXPECT_EQ(editor.ItemList()->currentItem(), editor.ItemList()->topLevelItem(2));

    Select(editor, 2);
    editor.ToggleDefaultItem();
    EXPECT_EQ(editor.DefaultItem(), 2);
    EXPECT_NE(editor.ItemList()->topLevelItem(0)->icon(0).cacheKey(),
              editor.ItemList()->topLevelItem(2)->icon(0).cacheKey());
    editor.ItemList()->topLevelItem(2)->setText(0, QStringLiteral("Blue"));

    Select(editor, 0);
    editor.DeleteItem();  // above the default: the same item stays the default
    EXPECT_EQ(editor.DefaultItem(), 1);
    EXPECT_EQ(editor.ItemList()->topLevelItem(1)->text(0), QStringLiteral("Blue"));
    Select(editor, 1);
    editor.DeleteItem();  // the default itself
    EXPECT_EQ(editor.DefaultItem(), -1);

    Select(editor, 0);
    editor.ToggleDefaultItem();
    editor.ToggleDefaultItem();
    EXPECT_EQ(editor.DefaultItem(), -1);
}

TEST(ParameterEditor, OkWritesOnlyTheFieldsOfTheChosenType) {
    DVParameter definition = ListDefinition({QStringLiteral("Red"), QStringLiteral("Green")}, 1);
    {
        CReqParEdit editor(&definition);
        editor.TypeCombo()->setCurrentIndex(DVParameter::TypeText);
        editor.MaxLengthCheck()->setChecked(true);
        editor.MaxLengthEdit()->setText(QStringLiteral("12"));
        editor.accept();
        EXPECT_EQ(editor.result(), QDialog::Accepted);
    }
    EXPECT_EQ(definition.m_nType, DVParameter::TypeText);
    EXPECT_EQ(definition.m_nMaxLength, 12);
    EXPECT_EQ(definition.m_items, QStringList({QStringLiteral("Red"), QStringLiteral("Green")}));
    {
        CReqParEdit editor(&definition);
        EXPECT_EQ(Items(editor), definition.m_items);
        editor.TypeCombo()->setCurrentIndex(DVParameter::TypeList);
        editor.accept();
    }
    EXPECT_EQ(definition.m_nType, DVParameter::TypeList);
    EXPECT_EQ(definition.m_nDefaultItem, 1);
    EXPECT_EQ(definition.m_nMaxLength, 12);
    {
        CReqParEdit editor(&definition);
        editor.TypeCombo()->setCurrentIndex(DVParameter::TypeText);
        editor.MaxLengthCheck()->setChecked(false);
        editor.accept();
    }
    EXPECT_EQ(definition.m_nMaxLength, -1);
}

TEST(ParameterEditor, BadLimitsKeepTheEditorOpen) {
    struct Case {
        const char* name;
        const char* maxLength;
        const char* minimum;
        const char* maximum;
        const char* message;
    };
    const Case cases[] = {
        {"min above max", "0", "5", "3", "Minimum cannot be larger than maximum."},
        {"length not a number", "ten", "0", "0", "Please enter an integer between 0 and 1000000000."},
        {"length too large", "1000000001", "0", "0", "Please enter an integer between 0 and 1000000000."},
        {"negative length", "-1", "0", "0", "Please enter an integer between 0 and 1000000000."},
        {"minimum not a number", "0", "5x", "3", "Please enter a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder messages;
        DVParameter definition;
        definition.m_nType = DVParameter::TypeNumber;
        CReqParEdit editor(&definition);
        editor.MinimumCheck()->setChecked(true);
        editor.MaximumCheck()->setChecked(true);
        editor.MaxLengthEdit()->setText(QString::fromLatin1(c.maxLength));
        editor.MinimumEdit()->setText(QString::fromLatin1(c.minimum));
        editor.MaximumEdit()->setText(QString::fromLatin1(c.maximum));
        editor.accept();
        EXPECT_NE(editor.result(), QDialog::Accepted);
        EXPECT_EQ(messages.texts, QStringList(QString::fromLatin1(c.message)));
        EXPECT_EQ(messages.types, std::vector<unsigned>({DV::MB_OK | DV::MB_ICONEXCLAMATION}));
        EXPECT_FALSE(definition.m_bHasMin);
    }
}

TEST(ParameterEditor, NumberLimitsAreWritten) {
    DVParameter definition;
    CReqParEdit editor(&definition);
    editor.TypeCombo()->setCurrentIndex(DVParameter::TypeNumber);
    editor.MinimumCheck()->setChecked(true);
    editor.MinimumEdit()->setText(QStringLiteral(" -2.5 "));
    editor.MaximumEdit()->setText(QStringLiteral("1e3"));
    editor.MaximumCheck()->setChecked(true);
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(definition.m_nType, DVParameter::TypeNumber);
    EXPECT_TRUE(definition.m_bHasMin);
    EXPECT_TRUE(definition.m_bHasMax);
    EXPECT_EQ(definition.m_dMin, -2.5);
    EXPECT_EQ(definition.m_dMax, 1000.0);
}

}  // namespace
