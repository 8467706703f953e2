#pragma once

#include <vector>

class ApplicationReport;
class DashBoard;
class RDLCReport;

// The reports, RDLC reports and graphs that go with a deleted entity (a table, a procedure, a
// function), found before anything lets go of it: they go whatever the release leaves of them.
struct GoingPages
{
    std::vector<ApplicationReport*> reports;
    std::vector<RDLCReport*> rdlcReports;
    std::vector<DashBoard*> dashBoards;
};
