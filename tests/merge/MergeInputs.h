#pragma once

#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/DashBoardPageData.h"
#include "entities/DetailTableReport.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/ReportGroup.h"
#include "entities/TableAdapter.h"
#include "entities/Transaction.h"
#include "entities/XSDInfo.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

// A project with settings, an empty "BaseModule" (which the store's repairs fill with the login
// objects) and the module "Sales", which the builder fills.
inline std::unique_ptr<ForgeonProject> NewMergeProject(const char* name, Module*& sales)
{
    auto project = std::make_unique<ForgeonProject>();
    auto* settings = new ProjectSettings;
    settings->SetProjectName(name);
    project->SetProjectSettings(settings);
    project->AddModule(NewModule("BaseModule", 1));
    sales = NewModule("Sales", 2);
    project->AddModule(sales);
    project->SetCurrentModule(sales);
    return project;
}

// A page file of the page, owned by it; the owner kind names the page's class.
inline AspFile* AddPageFile(FormInterface* page, int ownerKind)
{
    auto* file = new AspFile;
    file->SetFileKind(1);
    file->SetOwnerKind(ownerKind);
    file->SetOwnerPage(page);
    page->AddAspFile(file);
    return file;
}

// The report descriptions of the second project: the RDLC infos "Reports\orders.rdlc" and
// "Reports\stock.rdlc", the latter with a data set of the XSD info "DataSets\StockSet.xsd",
// which holds the table adapter "StockAdapter"; and the RDLC reports "orders_rdlc" and
// "stock_rdlc" on them, not yet in a module.
struct StockDescriptions
{
    RDLCInfo* ordersInfo;
    RDLCInfo* stockInfo;
    XSDInfo* stockSet;
    TableAdapter* adapter;
    RDLCReport* ordersRdlc;
    RDLCReport* stockRdlc;
};

inline StockDescriptions AddStockDescriptions(ForgeonProject* project)
{
    StockDescriptions made{new RDLCInfo,
                           new RDLCInfo,
                           new XSDInfo,
                           new TableAdapter,
                           NewPage<RDLCReport>("orders_rdlc"),
                           NewPage<RDLCReport>("stock_rdlc")};
    made.ordersInfo->SetName("Reports\\orders.rdlc");
    made.stockInfo->SetName("Reports\\stock.rdlc");
    made.stockInfo->AddDataSet("StockSet", "StockAdapter", "stock");
    project->AddRDLCInfo(made.ordersInfo);
    project->AddRDLCInfo(made.stockInfo);
    made.stockSet->SetFilePath("DataSets\\StockSet.xsd");
    made.adapter->SetName("StockAdapter");
    made.stockSet->AddTableAdapter(made.adapter);
    project->AddXSDInfo(made.stockSet);
    made.ordersRdlc->SetRDLCInfo(made.ordersInfo);
    made.stockRdlc->SetRDLCInfo(made.stockInfo);
    return made;
}

// The first and the second merge input, each built through the model, saved by the project
// store and read back as the store reads a merge's inputs. Message boxes are scripted.
class MergeInputs : public ::testing::Test
{
protected:
    // Saves both projects and reads them back as the first and the second merge input.
    void Load(std::unique_ptr<ForgeonProject> first, std::unique_ptr<ForgeonProject> second)
    {
        ASSERT_TRUE(m_store.ArchiveProject(first.get(), m_folder.ModelPath("first.wvt"), FALSE))
            << LastBox();
        ASSERT_TRUE(m_store.ArchiveProject(second.get(), m_folder.ModelPath("second.wvt"), FALSE))
            << LastBox();
        first.reset();
        second.reset();
        ASSERT_TRUE(m_store.LoadFirstMergeProject(m_folder.ModelPath("first.wvt"))) << LastBox();
        ASSERT_TRUE(m_store.LoadSecondMergeProject(m_folder.ModelPath("second.wvt"))) << LastBox();
    }

    // The text of the last message box, for failure messages.
    std::string LastBox() const
    {
        return m_boxes.Shown().empty() ? std::string() : m_boxes.Shown().back().text;
    }

    ForgeonProject* First() const { return m_store.GetFirstMergeProject(); }
    ForgeonProject* Second() const { return m_store.GetSecondMergeProject(); }
    Module* FirstSales() const { return First()->FindModuleByName("Sales"); }
    Module* SecondSales() const { return Second()->FindModuleByName("Sales"); }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    ProjectStore m_store;
};
