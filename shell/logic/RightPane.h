#pragma once

// The views of the main frame's right pane, by their fixed index.
enum class RightPane
{
    FormEditor,
    TransactionView,
    DashBoardView,
    ProcedureView,
    ReportView,
    MenuView,
    SQLView,
    MapFormView,
    DashBoardPageView,
    LoginPageView,
    MultiPageReportView,
    ReportCollectorView,
    UserFunctionView,
    RDLCReportView,
    TableView,
    StartPage,
};
constexpr int kRightPaneCount = 16;
