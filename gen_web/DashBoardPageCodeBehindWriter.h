#pragma once

#include "gen_web/AspxWriter.h"

class DashBoardPage;

// "<page>.aspx.cs" of a dashboard page: its title, the role check and the method that hides the
// links the role may not open.
class DashBoardPageCodeBehindWriter : public AspxWriter
{
public:
    DashBoardPageCodeBehindWriter(ForgeonProject* project, DashBoardPage& page,
                                  GenerationReport& report);

    // Nothing for a page without page file.
    void Write();

private:
    void WriteClassHead();
    void WritePreInit();
    void WritePageLoad();
    void WriteManageLinkVisibility();
    void WriteClassFoot();

    DashBoardPage& m_dashBoardPage;
    CString m_fileName;
    CString m_className;
};

// "<page>.aspx.designer.cs" of a dashboard page: the user-name label of the page templates that
// show it and the hyperlinks of the dashboards' cells.
class DashBoardPageDesignerWriter : public AspxWriter
{
public:
    DashBoardPageDesignerWriter(ForgeonProject* project, DashBoardPage& page,
                                GenerationReport& report);

    // Nothing for a page without page file.
    void Write();

private:
    DashBoardPage& m_dashBoardPage;
    int m_pageTemplate;
    CString m_fileName;
    CString m_className;
};
