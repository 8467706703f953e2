#include "gen_web/DataClassUse.h"

#include "entities/ApplicationReport.h"
#include "entities/ClassInvokation.h"
#include "entities/FormInterface.h"
#include "entities/ReportGroup.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
bool CallsClass(FormInterface& page, Class* dataClass)
{
    const bool control =
        std::ranges::any_of(page.GetFieldReps(),
                            [dataClass](const FieldRep* rep)
                            {
                                const FieldRepData* data = rep->GetFieldRepData();
                                return data != nullptr && data->GetDataCall() != nullptr &&
                                       data->GetDataCall()->GetClass() == dataClass;
                            });
    const auto* report = dynamic_cast<const ApplicationReport*>(&page);
    return control ||
           (report != nullptr &&
            std::ranges::any_of(report->GetReportGroups(), [dataClass](const ReportGroup* group)
                                { return group->UsesClass(dataClass); }));
}
} // namespace

bool IsDataClassCalled(const ForgeonProject& project, const Table& table)
{
    // Without the create flag the lookup leaves the table as it is.
    Class* dataClass = project.GetClassForTable(const_cast<Table*>(&table), false);
    if (dataClass == nullptr)
        return false;
    return std::ranges::any_of(project.GetModules(),
                               [dataClass](const Module* module)
                               {
                                   std::vector<FormInterface*> pages;
                                   module->GetAllPages(pages);
                                   return std::ranges::any_of(
                                       pages, [dataClass](FormInterface* page)
                                       { return CallsClass(*page, dataClass); });
                               });
}

bool NeedsDataClass(const ForgeonProject& project, Table* table)
{
    return table->IsSystemTable() || project.HasPageOnTable(table) ||
           IsDataClassCalled(project, *table);
}
