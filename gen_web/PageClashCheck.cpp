#include "gen_web/PageClashCheck.h"

#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/RDLCReport.h"
#include "gen_web/AspNetPages.h"
#include "gen_web/CodeBehindFragments.h"
#include "gen_web/DashBoardPageNames.h"
#include "gen_web/PageControls.h"
#include "gen_web/PageHeaderWriter.h"
#include "model/FieldRep.h"
#include "model/ForgeonProject.h"
#include "model/GenerationReport.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/NameUtilities.h"
#include "model/ProjectFolders.h"
#include "model/ProjectNameCheck.h"
#include "model/SitePageNames.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace
{
// One page file as the generator writes it: its name and the class its code declares.
struct PageFile
{
    CString name;
    CString className;
};

std::vector<PageFile> WrittenFilesOf(const FormInterface& page)
{
    std::vector<PageFile> files;
    const auto* dashBoardPage = dynamic_cast<const DashBoardPage*>(&page);
    for (const AspFile* file : page.GetAspFiles())
    {
        const CString name = file->IsAspxFile() ? file->GetFileName(FALSE) : CString();
        if (!name.IsEmpty())
            files.push_back({name, dashBoardPage != nullptr ? DashBoardPageClassName(*dashBoardPage)
                                                            : GetPageClassName(*file)});
    }
    if (dynamic_cast<const RDLCReport*>(&page) != nullptr)
        files.push_back({GetPrintPageName(page) + ".aspx", GetPrintPageName(page)});
    return files;
}

// A page with its module, as the report names it.
struct Writer
{
    const FormInterface* page;
    const Module* module;
};

CString Named(const Writer& writer)
{
    const std::optional<SitePageKind> kind = SitePageKindOf(*writer.page);
    return CString("the ") + (kind ? SitePageKindText(*kind) : "page") + " \"" +
           writer.page->GetFormName() + "\" of module \"" + writer.module->GetName() + "\"";
}
// Each link of the page whose id (PageHeaderWriter::MakeLinkControlId) a control of the page or
// an earlier link has too: its members would be declared twice.
void ReportLinkIdClashes(const Writer& writer, const CString& path, GenerationReport& report)
{
    std::unordered_set<std::string> ids;
    for (const FieldRep* control : writer.page->GetFieldReps())
    {
        if (control != nullptr && control->GetField() != nullptr)
            ids.insert(ControlName(*control).str());
    }
    std::vector<LinkControl*> links = writer.page->GetPreLinkList();
    links.insert(links.end(), writer.page->GetPostLinkList().begin(),
                 writer.page->GetPostLinkList().end());
    for (const LinkControl* link : links)
    {
        if (link == nullptr)
            continue;
        const CString id = PageHeaderWriter::MakeLinkControlId(link->GetCaption());
        if (!ids.insert(id.str()).second)
            report.AddUnwrittenFile(path, "the link " + QuotedName(link->GetCaption()) + " of " +
                                              Named(writer) + " has the id " + id +
                                              " of another control of the page: the site does "
                                              "not compile; change its display name");
    }
}
} // namespace

void ReportPageClashes(const ForgeonProject& project, GenerationReport& report)
{
    const CString root = GetOutputRoot(project);
    std::unordered_map<std::string, Writer> files;
    std::unordered_map<std::string, Writer> classes;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages = PagesWithAspNetWriter(*module);
        if (LoginPage* login = module->GetLoginPage())
            pages.insert(pages.begin(), login);
        for (const FormInterface* page : pages)
        {
            const Writer writer{page, module};
            if (!page->GetAspFiles().empty())
                ReportLinkIdClashes(writer,
                                    root + module->GetName() + "\\UI\\" +
                                        page->GetAspFiles().front()->GetFileName(FALSE),
                                    report);
            for (const PageFile& file : WrittenFilesOf(*page))
            {
                const CString path = root + module->GetName() + "\\UI\\" + file.name;
                const auto [sameFile, newFile] = files.try_emplace(FoldedName(path), writer);
                const auto [sameClass, newClass] =
                    classes.try_emplace(CSharpIdentifier(file.className).str(), writer);
                if (!newFile && sameFile->second.page != page)
                    report.AddUnwrittenFile(path, "written for " + Named(sameFile->second) +
                                                      " and " + Named(writer) +
                                                      ": a folder holds one file of that name "
                                                      "whatever its case");
                else if (!newClass && sameClass->second.page != page)
                    report.AddUnwrittenFile(path + ".cs",
                                            "its class " + CSharpIdentifier(file.className) +
                                                " is the class of " + Named(sameClass->second) +
                                                " too: the site does not compile");
            }
        }
    }
}
