#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Form.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"
#include "platform/core/CException.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

TEST(AspFileRecordTest, EveryFieldSurvivesSaveAndLoadWithSharedReferencesStayingShared)
{
    ScopedArchiveVersion version(CurrentVersion());
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
    file.AddTopMenuVariableMap(MenuVariableMap{leaf, {{&openedVariable, &fileVariable}}});
    file.AddLeftMenuVariableMap(MenuVariableMap{nullptr, {}});

    std::unique_ptr<AspFile> loaded(LoadObject<AspFile>(SaveObject(&file)));
    std::unique_ptr<Menu> loadedTop(loaded->GetTopMenu());
    std::unique_ptr<Menu> loadedLeft(loaded->GetLeftMenu());
    ASSERT_EQ(1u, loaded->GetFieldEntries().size());
    std::unique_ptr<Field> loadedField(loaded->GetFieldEntries()[0].first);
    ASSERT_EQ(1u, loaded->GetTopMenuVariableMaps().size());
    const MenuVariableMap* topMap = &loaded->GetTopMenuVariableMaps()[0];
    ASSERT_EQ(1u, topMap->GetVariablePairs().size());
    std::unique_ptr<Variable> loadedOpenedVariable(topMap->GetVariablePairs()[0].first);
    std::unique_ptr<Variable> loadedFileVariable(topMap->GetVariablePairs()[0].second);

    EXPECT_NE(nullptr, dynamic_cast<AspxFile*>(loaded.get()));
    EXPECT_EQ(3, loaded->GetFileKind());
    EXPECT_EQ("base", loaded->GetBaseName());
    EXPECT_EQ(0, loaded->GetFlag());
    EXPECT_EQ("ORDERS", loaded->GetTitle());
    EXPECT_EQ(nullptr, loaded->GetOwnerPage());
    // A deletion looks among the maps for the variables they pass.
    EXPECT_TRUE(loadedOpenedVariable->IsPassedByMenu());
    EXPECT_TRUE(loadedFileVariable->IsPassedByMenu());
    EXPECT_EQ("amount", loadedField->GetFieldName());
    EXPECT_EQ(12, loaded->GetFieldEntries()[0].second);
    ASSERT_EQ(1u, loaded->GetFieldVisibilities().size());
    EXPECT_EQ(loadedField.get(), loaded->GetFieldVisibilities()[0]->GetField());
    ASSERT_EQ(1u, loadedTop->GetSubMenus().size());
    EXPECT_EQ(loadedTop->GetSubMenus()[0], topMap->m_menu);
    EXPECT_NE(loadedOpenedVariable, loadedFileVariable);
    ASSERT_EQ(1u, loaded->GetLeftMenuVariableMaps().size());
    EXPECT_EQ(nullptr, loaded->GetLeftMenuVariableMaps()[0].m_menu);
    EXPECT_EQ(loaded.get(), loadedLeft->GetPageFiles()[0]);
}

TEST(AspFileRecordTest, OwnerPageIsReadAsTheClassItsOwnerKindNames)
{
    ScopedArchiveVersion version(CurrentVersion());
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

    // Another kind takes a page of any class, and nothing but a page.
    file->SetOwnerKind(10);
    loadedFile.reset(LoadObject<AspFile>(SaveObject(file)));
    loadedForm = dynamic_cast<Form*>(loadedFile->GetOwnerPage());
    ASSERT_NE(nullptr, loadedForm);
    EXPECT_EQ(10, loadedFile->GetOwnerKind());
    loadedFile.release();
    delete loadedForm;
    Menu menu;
    ArchiveBytes foreign;
    foreign.NewClass("AspFile").Int(10).Int(0).Append(SaveObject(&menu));
    EXPECT_THROW(LoadObject<AspFile>(foreign.Int(0).Int(0).Null().Null().Int(0).Int(0)),
                 CArchiveException);
}

// An owner page is read for every owner kind; a dropped string follows the file kind before 34;
// base name, flag and visibilities come after 54, the title after 71. The flag is not kept.
TEST(AspFileRecordTest, VersionGates)
{
    const ArchiveBytes visibility =
        ArchiveBytes().Int(1).NewClass("FieldVisibility").Null().Null().Int(2);
    for (int ownerKind : {3, 9, 10, -1})
    {
        SCOPED_TRACE(ownerKind);
        ExpectRecordVersions<AspFile>(
            "AspFile", {Always(ArchiveBytes().Int(ownerKind).Int(4)),
                        Until(33, ArchiveBytes().Str("gone")), Always(ArchiveBytes().Null()),
                        Always(ArchiveBytes().Int(0).Int(0).Null().Null().Int(0).Int(0)),
                        After(54, ArchiveBytes().Str("base").Int(7).Append(visibility),
                              ArchiveBytes().Str("").Int(0).Int(0),
                              ArchiveBytes().Str("base").Int(0).Append(visibility)),
                        After(71, ArchiveBytes().Str("TITLE"), ArchiveBytes().Str(""))});
    }
}

TEST(AspFileCopyTest, CopyTakesTheSourceSettingsAndVisibilityKindsWithoutFieldsButNotItsMaps)
{
    Field field;
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
    source.SetTopMenu(&top);
    top.AddPageFile(&source);
    source.AddTopMenuVariableMap(MenuVariableMap{&top, {}});
    Form page;

    AspxFile copy;
    copy.CopyFrom(source, &page);

    EXPECT_EQ(1, copy.GetOwnerKind());
    EXPECT_EQ(7, copy.GetFileKind());
    EXPECT_EQ("base", copy.GetBaseName());
    EXPECT_EQ(1, copy.GetFlag());
    EXPECT_EQ("TITLE", copy.GetTitle());
    EXPECT_EQ(&page, copy.GetOwnerPage());
    ASSERT_EQ(1u, copy.GetFieldEntries().size());
    EXPECT_EQ(4, copy.GetFieldEntries()[0].second);
    ASSERT_EQ(1u, copy.GetFieldVisibilities().size());
    const FieldVisibility* copied = copy.GetFieldVisibilities()[0];
    EXPECT_NE(visibility, copied);
    EXPECT_EQ(nullptr, copied->GetField());
    EXPECT_EQ(FieldVisibility::Invisible, copied->GetVisibilityKind());
    EXPECT_EQ(nullptr, copied->GetVisibilityData());
    EXPECT_EQ(&top, copy.GetTopMenu());
    EXPECT_TRUE(copy.GetTopMenuVariableMaps().empty());
}
