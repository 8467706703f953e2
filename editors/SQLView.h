#pragma once

#include "controls/CellListCtrl.h"
#include "editors/ControlStatesView.h"
#include "editors/WvpDialog.h"
#include "editors/logic/DatabasePane.h"
#include "platform/odbc/CDatabase.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/RecordView.h"

#include <memory>

// The database pane in the right pane: a DatabasePane shown on template 183. Leaving the pane
// resets it.
class SQLView : public CRecordView, public WvpDialog
{
    DECLARE_DYNCREATE(SQLView)

public:
    SQLView();
    ~SQLView() override;

    void OnInitialUpdate() override;
    CRecordset* OnGetRecordset() override;
    void ClearPage() override;
    void ReloadPage() override;

    // "Load Database...": resets the pane and loads the database the user chooses.
    bool LoadDatabase(bool connectionOnly);
    // The controller of the open project; null while none is open.
    DatabasePane* GetPane();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    class Host;

    void Run(void (DatabasePane::*command)());
    void Show();
    void OnLoadDatabase() { LoadDatabase(false); }
    void OnNewDatabase() { Run(&DatabasePane::OnNewDatabase); }
    void OnAlterDatabase() { Run(&DatabasePane::OnAlterDatabase); }
    void OnTableAlterScript() { Run(&DatabasePane::OnTableAlterScript); }
    void OnModuleAlterScript() { Run(&DatabasePane::OnModuleAlterScript); }
    void OnProjectAlterScript() { Run(&DatabasePane::OnProjectAlterScript); }
    void OnCopyFields() { Run(&DatabasePane::CopyFields); }
    void OnModuleChanged();
    void OnTableSelected(int row);
    void OnOk();
    void OnHelp();

    std::unique_ptr<Host> m_host;
    OdbcDatabaseConnection m_connection;
    std::unique_ptr<DatabasePane> m_pane;
    ForgeonProject* m_paneProject = nullptr;
    ControlStatesView m_view;
    CComboBox m_modules;
    CCellListCtrl m_tables;
    CCellListCtrl m_fields;
    DataSourcePrompt m_previousPrompt;
};
