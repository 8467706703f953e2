#pragma once

#include <vector>

class ApplicationReport;
class DashBoard;
class RDLCReport;

// The reports, RDLC reports and graphs of the modules built on a table, found before any module
// lets go of it: they go with it, whatever its fields' removal leaves of them.
struct ReportsOnTable
{
    std::vector<ApplicationReport*> reports;
    std::vector<RDLCReport*> rdlcReports;
    std::vector<DashBoard*> dashBoards;
};
