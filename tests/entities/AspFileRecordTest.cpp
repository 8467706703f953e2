#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/VersionHistory.h"
#include "model/VisibilityData.h"
#include "platform/core/CException.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

const int currentVersion = TheVersionHistory().GetCurrentVersion();

} // namespace

TEST(AspFileRecordTest, EveryFieldSurvivesSaveAndLoadWithSharedReferencesStayingShared)
{
    ScopedArchiveVersion version(currentVersion);
    Field field;
    field.SetFieldName("amount");
    Variable fileVariable;
    Variable openedVariable;
    Menu top;
    auto* leaf = new Menu;
    leaf->SetName("Orders");
    top.AddSubMenu(leaf);
    Menu left;

    AspxFile file;
    file.SetOwnerKind(0);
    file.SetFileKind(3);
    file.SetBaseName("base");
    file.SetFlag(5);
    file.SetTitle("ORDERS");
    file.AddFieldEntry({&field, 12});
    file.AddFieldVisibility(new FieldVisibility(&field));
    file.SetTopMenu(&top);
    top.AddPageFile(&file);
    file.SetLeftMenu(&left);
    left.AddPageFile(&file);
    file.AddTopMenuVariableMap(new MenuVariableMap{leaf, {{&openedVariable, &fileVariable}}});
    file.AddLeftMenuVariableMap(new MenuVariableMap{nullptr, {}});

    std::unique_ptr<AspFile> loaded(LoadObject<AspFile>(SaveObject(&file)));
    std::unique_ptr<Menu> loadedTop(loaded->GetTopMenu());
    std::unique_ptr<Menu> loadedLeft(loaded->GetLeftMenu());
    ASSERT_EQ(1u, loaded->GetFieldEntries().size());
    std::unique_ptr<Field> loadedField(loaded->GetFieldEntries()[0].first);
    ASSERT_EQ(1u, loaded->GetTopMenuVariableMaps().size());
    const MenuVariableMap* topMap = loaded->GetTopMenuVariableMaps()[0];
    ASSERT_EQ(1u, topMap->m_variablePairs.size());
    std::unique_ptr<Variable> loadedOpenedVariable(topMap->m_variablePairs[0].first);
    std::unique_ptr<Variable> loadedFileVariable(topMap->m_variablePairs[0].second);

    EXPECT_NE(nullptr, dynamic_cast<AspxFile*>(loaded.get()));
    EXPECT_EQ(3, loaded->GetFileKind());
    EXPECT_EQ("base", loaded->GetBaseName());
    EXPECT_EQ(0, loaded->GetFlag());
    EXPECT_EQ("ORDERS", loaded->GetTitle());
    EXPECT_EQ(nullptr, loaded->GetOwnerPage());
    EXPECT_EQ("amount", loadedField->GetFieldName());
    EXPECT_EQ(12, loaded->GetFieldEntries()[0].second);
    ASSERT_EQ(1u, loaded->GetFieldVisibilities().size());
    EXPECT_EQ(loadedField.get(), loaded->GetFieldVisibilities()[0]->GetField());
    ASSERT_EQ(1u, loadedTop->GetSubMenus().size());
    EXPECT_EQ(loadedTop->GetSubMenus()[0], topMap->m_menu);
    EXPECT_NE(loadedOpenedVariable, loadedFileVariable);
    ASSERT_EQ(1u, loaded->GetLeftMenuVariableMaps().size());
    EXPECT_EQ(nullptr, loaded->GetLeftMenuVariableMaps()[0]->m_menu);
    EXPECT_EQ(loaded.get(), loadedLeft->GetPageFiles()[0]);
}

TEST(AspFileRecordTest, OwnerPageIsReadAsTheClassItsOwnerKindNames)
{
    ScopedArchiveVersion version(currentVersion);
    Form form;
    auto* file = new AspxFile;
    file->SetOwnerPage(&form);
    form.AddAspFile(file);

    std::unique_ptr<AspFile> loadedFile(LoadObject<AspFile>(SaveObject(file)));
    auto* loadedForm = dynamic_cast<Form*>(loadedFile->GetOwnerPage());
    ASSERT_NE(nullptr, loadedForm);
    ASSERT_EQ(1u, loadedForm->GetAspFiles().size());
    EXPECT_EQ(loadedFile.get(), loadedForm->GetAspFiles()[0]);
    loadedFile.release();
    delete loadedForm;

    // Owner kind 1 asks for a Transaction; a Form in its place is a foreign object.
    file->SetOwnerKind(1);
    EXPECT_THROW(LoadObject<AspFile>(SaveObject(file)), CArchiveException);
}

// Which parts of the record a file of a version holds.
struct AspFileLayout
{
    int version;
    int ownerKind;      // an owner page is read for 0 to 9 only
    bool droppedString; // after the file kind, before 34
    bool laterFields;   // base name, flag, visibilities, after 54
    bool title;         // after 71
};

class AspFileVersionGateTest : public ::testing::TestWithParam<AspFileLayout>
{
};

TEST_P(AspFileVersionGateTest, OldLayoutReadsExactlyTheFieldsOfItsVersion)
{
    const AspFileLayout layout = GetParam();
    ScopedArchiveVersion version(layout.version);
    ArchiveBytes bytes;
    bytes.NewClass("AspFile").Int(layout.ownerKind).Int(4);
    if (layout.droppedString)
        bytes.Str("gone");
    if (layout.ownerKind >= 0 && layout.ownerKind <= 9)
        bytes.Null();
    bytes.Int(0).Int(0).Null().Null().Int(0).Int(0);
    if (layout.laterFields)
    {
        bytes.Str("base").Int(7);
        bytes.Int(1).NewClass("FieldVisibility").Null().Null().Int(2);
    }
    if (layout.title)
        bytes.Str("TITLE");
    bytes.Int(recordSentinel);

    const LoadedRecord<AspFile> loaded = LoadWithSentinel<AspFile>(bytes.Get());
    std::unique_ptr<AspFile> file(loaded.object);

    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(layout.ownerKind, file->GetOwnerKind());
    EXPECT_EQ(nullptr, file->GetOwnerPage());
    EXPECT_EQ(4, file->GetFileKind());
    EXPECT_EQ(layout.laterFields ? "base" : "", file->GetBaseName());
    EXPECT_EQ(0, file->GetFlag());
    ASSERT_EQ(layout.laterFields ? 1u : 0u, file->GetFieldVisibilities().size());
    if (layout.laterFields)
    {
        EXPECT_EQ(2, file->GetFieldVisibilities()[0]->GetVisibilityKind());
    }
    EXPECT_EQ(layout.title ? "TITLE" : "", file->GetTitle());
}

INSTANTIATE_TEST_SUITE_P(Versions, AspFileVersionGateTest,
                         ::testing::Values(AspFileLayout{33, 3, true, false, false},
                                           AspFileLayout{34, 9, false, false, false},
                                           AspFileLayout{54, 3, false, false, false},
                                           AspFileLayout{55, 3, false, true, false},
                                           AspFileLayout{71, 3, false, true, false},
                                           AspFileLayout{72, 3, false, true, true},
                                           AspFileLayout{87, 10, false, true, true},
                                           AspFileLayout{87, -1, false, true, true}));

TEST(AspFileCopyTest, CopyTakesTheSourceSettingsAndJoinsItsMenusButNotItsMaps)
{
    Field field;
    Menu opener;
    Menu top;
    AspFile source;
    source.SetOwnerKind(1);
    source.SetFileKind(7);
    source.SetBaseName("base");
    source.SetFlag(1);
    source.SetTitle("TITLE");
    source.AddFieldEntry({&field, 4});
    auto* visibility = new FieldVisibility(&field);
    visibility->SetVisibilityKind(FieldVisibility::Invisible);
    visibility->SetVisibilityData(new VisibilityData);
    source.AddFieldVisibility(visibility);
    opener.SetAspFile(&source);
    source.SetTopMenu(&top);
    top.AddPageFile(&source);
    source.AddTopMenuVariableMap(new MenuVariableMap{&top, {}});
    Form page;

    auto copy = std::make_unique<AspxFile>();
    copy->CopyFrom(source, &page);

    EXPECT_EQ(1, copy->GetOwnerKind());
    EXPECT_EQ(7, copy->GetFileKind());
    EXPECT_EQ("base", copy->GetBaseName());
    EXPECT_EQ(1, copy->GetFlag());
    EXPECT_EQ("TITLE", copy->GetTitle());
    EXPECT_EQ(&page, copy->GetOwnerPage());
    ASSERT_EQ(1u, copy->GetFieldEntries().size());
    EXPECT_EQ(4, copy->GetFieldEntries()[0].second);
    ASSERT_EQ(1u, copy->GetFieldVisibilities().size());
    EXPECT_NE(visibility, copy->GetFieldVisibilities()[0]);
    EXPECT_EQ(&field, copy->GetFieldVisibilities()[0]->GetField());
    EXPECT_EQ(FieldVisibility::Invisible, copy->GetFieldVisibilities()[0]->GetVisibilityKind());
    ASSERT_EQ(1u, copy->GetLinkingItems().size());
    EXPECT_EQ(&opener, copy->GetLinkingItems()[0]);
    EXPECT_TRUE(opener.HasAspFile(copy.get()));
    EXPECT_EQ(&source, opener.GetAspFile());
    EXPECT_EQ(&top, copy->GetTopMenu());
    EXPECT_TRUE(top.HasAspFile(copy.get()));
    EXPECT_TRUE(copy->GetTopMenuVariableMaps().empty());

    EXPECT_EQ(nullptr, copy->GetFieldVisibilities()[0]->GetVisibilityData());

    copy.reset();
    EXPECT_TRUE(opener.GetPageFiles().empty());
    EXPECT_EQ(1u, top.GetPageFiles().size());
}
