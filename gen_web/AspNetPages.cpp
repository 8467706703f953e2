#include "gen_web/AspNetPages.h"

#include "entities/ApplicationReport.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Module.h"

namespace
{
template <class Page>
void AppendPagesOfKind(std::vector<PageWithoutAspNetWriter>& pages, const std::vector<Page*>& kind,
                       const char* kindName)
{
    for (const Page* page : kind)
        pages.push_back({page, kindName});
}
} // namespace

std::vector<FormInterface*> PagesWithAspNetWriter(const Module& module)
{
    std::vector<FormInterface*> pages(module.GetMasterForms().begin(),
                                      module.GetMasterForms().end());
    pages.insert(pages.end(), module.GetTransactions().begin(), module.GetTransactions().end());
    pages.insert(pages.end(), module.GetReports().begin(), module.GetReports().end());
    pages.insert(pages.end(), module.GetDashBoardPages().begin(), module.GetDashBoardPages().end());
    pages.insert(pages.end(), module.GetRDLCReports().begin(), module.GetRDLCReports().end());
    return pages;
}

std::vector<PageWithoutAspNetWriter> PagesWithoutAspNetWriter(const Module& module)
{
    std::vector<PageWithoutAspNetWriter> pages;
    AppendPagesOfKind(pages, module.GetMapForms(), "map form");
    AppendPagesOfKind(pages, module.GetMultiPageReports(), "multi-page report");
    AppendPagesOfKind(pages, module.GetReportCollectors(), "report collector");
    return pages;
}
