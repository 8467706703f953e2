#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/FormulaTreeNode.h"
#include "entities/LinkControl.h"
#include "model/EventRecmpFields.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/PageTestSupport.h"

#include <memory>

namespace
{

// A master form over orders with a control for a table field and one for a reference field,
// the first recomputing the second on change, a derived field adding both, page files of both
// classes, links and variable maps.
class PageCopyTest : public PageOperationsTest
{
protected:
    void SetUp() override
    {
        PageOperationsTest::SetUp();
        m_previous = MainFrameAccess::SetProjectSource([this] { return &m_project; });
        m_table.SetTableName("orders");
        m_price = NewField("Price", &m_table);
        m_source = new Form;
        m_source->SetName("OrderForm");
        m_source->SetTable(&m_table);
        m_module.Append(m_source);

        m_refPageField = NewField("Customer");
        m_source->AddRefField(new RefField(m_refPageField, &m_table));
        m_priceControl = AddControl(*m_source, m_price);
        m_refControl = AddControl(*m_source, m_refPageField);
        auto* list = new EventRecmpFields;
        list->SetEventKind(EventRecmpFields::OnBlur);
        list->AddClassRecompute(m_refControl);
        list->AddProcedureRecompute(m_refControl, nullptr);
        m_priceControl->GetFieldRepData()->AddEventRecmpFields(list);

        auto* derived = new DerivedField(NewField("Total"), &m_table);
        auto* root = new FormulaTreeNode;
        root->SetOperator(1);
        root->SetLeft(new FormulaTreeNode);
        root->GetLeft()->SetOperand(m_priceControl);
        root->SetRight(new FormulaTreeNode);
        root->GetRight()->SetOperand(m_refControl);
        derived->SetFormula(root);
        m_source->AddDerivedField(derived);

        m_source->AddAspFile(new AspFile);
        m_source->AddAspFile(new AspxFile);
        m_source->GetAspFiles()[0]->SetOwnerPage(m_source);
        m_source->GetAspFiles()[1]->SetOwnerPage(m_source);
        m_source->AddPreLink(new LinkControl(nullptr, 0, 0, LinkControl::Center));
        m_source->AddPostLink(new LinkControl(nullptr, 0, 0, LinkControl::Left));
        m_source->SetPreLinkColumnCount(3);
        m_source->SetPostLinkColumnCount(4);
        m_source->SetColumnCount(1);
        m_source->AddVariableForField(m_price);
        m_source->AddFieldVariableMap(new FieldVariableMap{m_refPageField, NewVariable("Cust")});
    }

    void TearDown() override
    {
        MainFrameAccess::SetProjectSource(m_previous);
        PageOperationsTest::TearDown();
    }

    ForgeonProject m_project;
    MainFrameAccess::ProjectSource m_previous;
    Table m_table;
    Module m_module{"Sales"};
    Field* m_price = nullptr;
    Field* m_refPageField = nullptr;
    FieldRep* m_priceControl = nullptr;
    FieldRep* m_refControl = nullptr;
    Form* m_source = nullptr;
};

TEST_F(PageCopyTest, PagesCopiedAsPlainPagesAreNumberedOnlyForFormSources)
{
    FormInterface copy;
    copy.CopyFrom(m_source);
    EXPECT_EQ(copy.GetFormName(), "Copy_1_of_OrderForm");

    FormInterface plainSource;
    plainSource.SetName("Board");
    FormInterface plainCopy;
    plainCopy.CopyFrom(&plainSource);
    EXPECT_EQ(plainCopy.GetFormName(), "Board");

    FormInterface copyOfNothing;
    copyOfNothing.CopyFrom(nullptr);
    EXPECT_TRUE(copyOfNothing.IsCopy());
    EXPECT_TRUE(copyOfNothing.GetFormName().IsEmpty());
}

TEST_F(PageCopyTest, PageFilesBecomeFilesOfTheOutputKind)
{
    m_project.SetOutputKind(1);
    const Form aspxCopy(*m_source);
    ASSERT_EQ(aspxCopy.GetAspFiles().size(), 2u);
    for (const AspFile* file : aspxCopy.GetAspFiles())
    {
        EXPECT_TRUE(file->IsAspxFile());
        EXPECT_EQ(file->GetOwnerPage(), &aspxCopy);
    }

    m_project.SetOutputKind(0);
    const Form classicCopy(*m_source);
    ASSERT_EQ(classicCopy.GetAspFiles().size(), 2u);
    for (const AspFile* file : classicCopy.GetAspFiles())
        EXPECT_FALSE(file->IsAspxFile());
}

TEST_F(PageCopyTest, LinksControlsAndEventsAreTheCopysOwn)
{
    const Form copy(*m_source);

    EXPECT_EQ(copy.GetPreLinkColumnCount(), 3);
    EXPECT_EQ(copy.GetPostLinkColumnCount(), 4);
    EXPECT_EQ(copy.GetColumnCount(), 1);
    ASSERT_EQ(copy.GetPreLinkList().size(), 1u);
    EXPECT_EQ(copy.GetPreLinkList().front()->GetAlignment(), LinkControl::Center);
    EXPECT_NE(copy.GetPreLinkList().front(), m_source->GetPreLinkList().front());
    EXPECT_EQ(copy.GetPostLinkList().size(), 1u);

    ASSERT_EQ(copy.GetRefFields().size(), 1u);
    Field* copiedRefField = copy.GetRefFields().front()->GetField();
    EXPECT_NE(copiedRefField, m_refPageField);
    ASSERT_EQ(copy.GetFieldReps().size(), 2u);
    const FieldRep* priceCopy = copy.GetFieldReps()[0];
    const FieldRep* refCopy = copy.GetFieldReps()[1];
    EXPECT_EQ(priceCopy->GetField(), m_price);
    EXPECT_EQ(refCopy->GetField(), copiedRefField);

    const auto& lists = priceCopy->GetFieldRepData()->GetEventRecmpFieldsList();
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists.front()->GetEventKind(), EventRecmpFields::OnBlur);
    ASSERT_EQ(lists.front()->GetClassRecomputes().size(), 1u);
    EXPECT_EQ(lists.front()->GetClassRecomputes().front()->fieldRep, refCopy);
    EXPECT_TRUE(lists.front()->GetProcedureRecomputes().empty());

    const FormulaTreeNode* root = copy.GetDerivedFields().front()->GetFormula();
    EXPECT_EQ(root->GetLeft()->GetOperand(), priceCopy);
    EXPECT_EQ(root->GetRight()->GetOperand(), refCopy);
}

// A field the page made for itself is not shared: the copy shows a copy of its own (a shared
// one dangled once the source page went).
TEST_F(PageCopyTest, MapsTakeTheCopysFieldsAndNewVariablesAndAPageMadeFieldIsCopied)
{
    Field* stray = NewField("Stray");
    AddControl(*m_source, stray);

    const Form copy(*m_source);

    ASSERT_EQ(copy.GetFieldVariableMaps().size(), 2u);
    const FieldVariableMap* priceMap = copy.GetFieldVariableMaps()[0];
    EXPECT_EQ(priceMap->field, m_price);
    EXPECT_NE(priceMap->variable, m_source->GetFieldVariableMaps()[0]->variable);
    EXPECT_EQ(priceMap->variable->GetFieldName(), "Price");
    const FieldVariableMap* refMap = copy.GetFieldVariableMaps()[1];
    EXPECT_EQ(refMap->field, copy.GetRefFields().front()->GetField());
    EXPECT_EQ(refMap->variable->GetFieldName(), "Cust");
    ASSERT_EQ(copy.GetFieldReps().size(), 3u);
    const Field* ownStray = copy.GetFieldReps()[2]->GetField();
    ASSERT_NE(ownStray, nullptr);
    EXPECT_NE(ownStray, stray);
    EXPECT_EQ(ownStray->GetFieldName(), "Stray");
    EXPECT_EQ(ownStray->GetTable(), nullptr);
    delete stray;
}

} // namespace
