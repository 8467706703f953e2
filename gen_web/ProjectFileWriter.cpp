#include "gen_web/ProjectFileWriter.h"

#include "entities/AspFile.h"
#include "entities/FormInterface.h"
#include "entities/RDLCInfo.h"
#include "entities/RDLCReport.h"
#include "entities/XSDInfo.h"
#include "gen_web/AspNetPages.h"
#include "gen_web/CodeLines.h"
#include "gen_web/DataClassUse.h"
#include "gen_web/ProjectFolder.h"
#include "model/FileUtilities.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "platform/core/LiteralEscaping.h"

#include <algorithm>

namespace
{
bool IsListedFileKind(int fileKind)
{
    return fileKind == 0 || fileKind == 1 || fileKind == 3 || fileKind == 5 || fileKind == 7;
}

// The part after the last backslash.
CString FileNameOf(const CString& path)
{
    return path.Mid(path.ReverseFind('\\') + 1);
}

// The path without its extension of four characters (".xsd").
CString StemOf(const CString& path)
{
    return path.Left(path.GetLength() - 4);
}

CString WithoutExtension(const CString& fileName)
{
    const int dot = fileName.ReverseFind('.');
    return dot < 0 ? fileName : fileName.Left(dot);
}

} // namespace

ProjectFileWriter::ProjectFileWriter(ForgeonProject& project,
                                     const std::vector<CString>& masterPages, TextFile& file)
    : m_project(project), m_file(file),
      m_target(VisualStudioTarget::ForVersionCode(
          project.GetProjectSettings()->GetVisualStudioVersion())),
      m_projectName(CSharpTypeName(project.GetProjectName())),
      m_applicationFolder(GetOutputRoot(project))
{
    for (const CString& masterPage : masterPages)
        m_masterPages.push_back(EscapeXml(masterPage));
    CollectModulePages();
    CollectDataClasses();
    CollectReportFiles();
}

void ProjectFileWriter::CollectModulePages()
{
    for (int index = 0; index < m_project.GetModuleCount(); ++index)
    {
        const Module* module = m_project.GetModuleAt(index);
        ModulePages pages{
            EscapeXml(module->GetName()), {}, index == 0 && module->GetLoginPage() != nullptr};
        // Only pages that are written: a listed file that is missing fails the build.
        for (const FormInterface* page : PagesWithAspNetWriter(*module))
        {
            const auto* rdlcReport = dynamic_cast<const RDLCReport*>(page);
            if (rdlcReport != nullptr && !rdlcReport->FilesExist(&m_project))
                continue;
            for (const AspFile* file : page->GetAspFiles())
            {
                if (!file->IsAspxFile() || !IsListedFileKind(file->GetFileKind()))
                    continue;
                const CString fileName = file->GetDefaultFileName();
                if (fileName.IsEmpty())
                    continue;
                pages.files.push_back(EscapeXml(fileName));
                if (rdlcReport != nullptr)
                {
                    CString printName = fileName;
                    printName.Replace(".aspx", "_Print.aspx");
                    pages.files.push_back(EscapeXml(printName));
                }
            }
        }
        m_modulePages.push_back(pages);
    }
}

void ProjectFileWriter::CollectDataClasses()
{
    for (const Module* module : m_project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        for (Table* table : tables)
        {
            if (NeedsDataClass(m_project, table))
                m_dataClasses.push_back(
                    {EscapeXml(module->GetName()), EscapeXml(table->GetTableName())});
        }
    }
}

// The reports built on a table take their default names first, so that a data set renamed
// after its table is listed under the name it is written with.
void ProjectFileWriter::CollectReportFiles()
{
    for (const Module* module : m_project.GetModules())
    {
        for (RDLCReport* report : module->GetRDLCReports())
        {
            if (report->GetMode() == 0)
            {
                report->SetDefaultDataSet();
                report->SetDefaultRDLCName();
            }
        }
    }
    for (const XSDInfo* dataSet : m_project.GetXSDInfos())
        AddListed(m_dataSets, dataSet->GetName(), dataSet->GetStatus());
    for (const Module* module : m_project.GetModules())
    {
        for (const RDLCReport* report : module->GetRDLCReports())
        {
            if (const XSDInfo* dataSet = report->GetXSDInfo())
                AddListed(m_dataSets, dataSet->GetName(), dataSet->GetStatus());
            if (const RDLCInfo* reportFile = report->GetRDLCInfo())
                AddListed(m_reportFiles, reportFile->GetName(), reportFile->GetStatus());
        }
    }
}

void ProjectFileWriter::AddListed(std::vector<CString>& listed, const CString& path,
                                  int status) const
{
    if (path.IsEmpty() || std::ranges::any_of(listed, [&path](const CString& other)
                                              { return other.CompareNoCase(path) == 0; }))
        return;
    if (status == 0 || FileExists(m_applicationFolder + path))
        listed.push_back(path);
}

void ProjectFileWriter::Write()
{
    WriteHeader();
    WriteDebugGroup();
    WriteReleaseGroup();
    WriteReferences();
    WriteContent();
    WriteCompile();
    WriteNone();
    WriteEmbeddedResources();
    WriteTail();
}

void ProjectFileWriter::WriteHeader()
{
    if (m_target.is2008)
        m_file.Write(0, "<Project ToolsVersion=\"3.5\" DefaultTargets=\"Build\" "
                        "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\n");
    else
        m_file.Write(0, "<Project DefaultTargets=\"Build\" "
                        "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\n");
    m_file.Write(1, "<PropertyGroup>\n");
    m_file.Write(2,
                 "<Configuration Condition=\" '$(Configuration)' == '' \">Debug</Configuration>\n");
    m_file.Write(2, "<Platform Condition=\" '$(Platform)' == '' \">AnyCPU</Platform>\n");
    m_file.Write(2, "<ProductVersion>%s</ProductVersion>\n", m_target.productVersion);
    m_file.Write(2, "<SchemaVersion>2.0</SchemaVersion>\n");
    m_file.Write(2, "<ProjectGuid>%s</ProjectGuid>\n", m_target.projectGuid);
    m_file.Write(2, "<ProjectTypeGuids>{349c5851-65df-11da-9384-00065b846f21};"
                    "{fae04ec0-301f-11d3-bf4b-00c04f79efbc}</ProjectTypeGuids>\n");
    m_file.Write(2, "<OutputType>Library</OutputType>\n");
    m_file.Write(2, "<AppDesignerFolder>Properties</AppDesignerFolder>\n");
    m_file.Write(2, "<RootNamespace>%s</RootNamespace>\n", m_projectName);
    m_file.Write(2, "<RootNamespace>%s</RootNamespace>\n", m_projectName);
    if (m_target.is2008)
        m_file.Write(2, "<TargetFrameworkVersion>v3.5</TargetFrameworkVersion>\n");
    m_file.Write(1, "</PropertyGroup>\n");
}

void ProjectFileWriter::WriteDebugGroup()
{
    WriteCodeLines(
        m_file,
        {
            {1, "<PropertyGroup Condition=\" '$(Configuration)|$(Platform)' == 'Debug|AnyCPU' \">"},
            {2, "<DebugSymbols>true</DebugSymbols>"},
            {2, "<DebugType>full</DebugType>"},
            {2, "<Optimize>false</Optimize>"},
            {2, "<OutputPath>bin\\</OutputPath>"},
            {2, "<DefineConstants>DEBUG;TRACE</DefineConstants>"},
            {2, "<ErrorReport>prompt</ErrorReport>"},
            {2, "<WarningLevel>4</WarningLevel>"},
            {1, "</PropertyGroup>"},
        });
}

void ProjectFileWriter::WriteReleaseGroup()
{
    WriteCodeLines(
        m_file,
        {
            {1,
             "<PropertyGroup Condition=\" '$(Configuration)|$(Platform)' == 'Release|AnyCPU' \">"},
            {2, "<DebugType>pdbonly</DebugType>"},
            {2, "<Optimize>true</Optimize>"},
            {2, "<OutputPath>bin\\</OutputPath>"},
            {2, "<DefineConstants>TRACE</DefineConstants>"},
            {2, "<ErrorReport>prompt</ErrorReport>"},
            {2, "<WarningLevel>4</WarningLevel>"},
            {1, "</PropertyGroup>"},
        });
}

void ProjectFileWriter::WriteReferences()
{
    m_file.Write(1, "<ItemGroup>\n");
    if (m_target.is2008)
        WriteReferences2008();
    else
        WriteReferences2005();
    WriteCodeLines(m_file, {
                               {2, "<Reference Include=\"System.Drawing\" />"},
                               {2, "<Reference Include=\"System.Web\" />"},
                               {2, "<Reference Include=\"System.Xml\" />"},
                               {2, "<Reference Include=\"System.Configuration\" />"},
                               {2, "<Reference Include=\"System.Web.Services\" />"},
                               {2, "<Reference Include=\"System.EnterpriseServices\" />"},
                               {2, "<Reference Include=\"System.Web.Mobile\" />"},
                           });
    m_file.Write(1, "</ItemGroup>\n");
}

void ProjectFileWriter::WriteReferences2005()
{
    WriteCodeLines(
        m_file,
        {
            {2, "<Reference Include=\"Microsoft.ReportViewer.WebForms, Version=8.0.0.0, "
                "Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a, processorArchitecture=MSIL\">"},
            {3, "<SpecificVersion>False</SpecificVersion>"},
            {3, "<HintPath>C:\\WINDOWS\\assembly\\GAC_MSIL\\Microsoft.ReportViewer.WebForms\\8.0.0."
                "0__b03f5f7f11d50a3a\\Microsoft.ReportViewer.WebForms.dll</HintPath>"},
            {2, "</Reference>"},
            {2, "<Reference Include=\"System\" />"},
            {2, "<Reference Include=\"System.Data\" />"},
        });
}

void ProjectFileWriter::WriteReferences2008()
{
    WriteCodeLines(
        m_file,
        {
            {2,
             "<Reference Include=\"Microsoft.ReportViewer.WebForms, Version=9.0.0.0, "
             "Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a, processorArchitecture=MSIL\" />"},
            {2, "<Reference Include=\"System\" />"},
            {2, "<Reference Include=\"System.Data \"/>"},
            {2, "<Reference Include=\"System.Core\">"},
            {3, "<RequiredTargetFramework>3.5</RequiredTargetFramework>"},
            {2, "</Reference>"},
            {2, "<Reference Include=\"System.Data.DataSetExtensions\">"},
            {3, "<RequiredTargetFramework>3.5</RequiredTargetFramework>"},
            {2, "</Reference>"},
            {2, "<Reference Include=\"System.Web.Extensions\">"},
            {3, "<RequiredTargetFramework>3.5</RequiredTargetFramework>"},
            {2, "</Reference>"},
            {2, "<Reference Include=\"System.Xml.Linq\">"},
            {3, "<RequiredTargetFramework>3.5</RequiredTargetFramework>"},
            {2, "</Reference>"},
        });
}

void ProjectFileWriter::WriteContent()
{
    m_file.Write(1, "<ItemGroup>\n");
    WriteStaticContent();
    for (const ModulePages& pages : m_modulePages)
    {
        for (const CString& fileName : pages.files)
            m_file.Write(2, "<Content Include=\"%s\\UI\\%s\" />\n", pages.module, fileName);
        if (pages.listsLogin)
            m_file.Write(2, "<Content Include=\"%s\\UI\\Login.aspx\" />\n", pages.module);
    }
    m_file.Write(2, "<Content Include=\"Web.config\" />\n");
    for (const CString& masterPage : m_masterPages)
        m_file.Write(2, "<Content Include=\"Themes\\UI\\%s.Master\" />\n", masterPage);
    m_file.Write(1, "</ItemGroup>\n");
}

void ProjectFileWriter::WriteStaticContent()
{
    WriteCodeLines(m_file,
                   {
                       {2, "<Content Include=\"includes\\CSS\\calendar.css\" />"},
                       {2, "<Content Include=\"includes\\CSS\\styleconfig.css\" />"},
                       {2, "<Content Include=\"includes\\CSS\\ajaxstyle.css\" />"},
                       {2, "<Content Include=\"includes\\CSS\\style.css\" />"},
                       {2, "<Content Include=\"includes\\images\\calendar.gif\" />"},
                       {2, "<Content Include=\"includes\\images\\EditableComboButton.bmp\" />"},
                       {2, "<Content Include=\"includes\\images\\down.gif\" />"},
                       {2, "<Content Include=\"includes\\images\\up.gif\" />"},
                       {2, "<Content Include=\"includes\\images\\logo.jpg\" />"},
                       {2, "<Content Include=\"includes\\images\\verticalBanner.gif\" />"},
                       {2, "<Content Include=\"includes\\images\\horizontalBanner.gif\" />"},
                       {2, "<Content Include=\"includes\\JS\\Ajax.js\" />"},
                       {2, "<Content Include=\"includes\\JS\\EditableCombo.js\" />"},
                       {2, "<Content Include=\"includes\\JS\\simplecalendar.js\" />"},
                       {2, "<Content Include=\"includes\\JS\\validate.js\" />"},
                       {2, "<Content Include=\"includes\\JS\\Report.js\" />"},
                   });
}

void ProjectFileWriter::WriteCompile()
{
    m_file.Write(1, "<ItemGroup>\n");
    WriteDataClassItems();
    WritePageCodeItems();
    WriteMasterPageCodeItems();
    WriteFixedCodeItems();
    WriteDataSetCodeItems();
    m_file.Write(1, "</ItemGroup>\n");
}

void ProjectFileWriter::WriteDataClassItems()
{
    for (const DataClass& dataClass : m_dataClasses)
    {
        m_file.Write(2, "<Compile Include=\"%s\\CS\\%s.cs\">\n", dataClass.module, dataClass.table);
        m_file.Write(3, "<SubType>ASPXCodeBehind</SubType>\n");
        m_file.Write(2, "</Compile>\n");
        m_file.Write(2, "<Compile Include=\"%s\\CS\\%s_partial.cs\">\n", dataClass.module,
                     dataClass.table);
        m_file.Write(3, "<SubType>ASPXCodeBehind</SubType>\n");
        m_file.Write(2, "</Compile>\n");
    }
}

void ProjectFileWriter::WritePageCodeItems()
{
    for (const ModulePages& pages : m_modulePages)
    {
        for (const CString& fileName : pages.files)
        {
            m_file.Write(2, "<Compile Include=\"%s\\UI\\%s.cs\">\n", pages.module, fileName);
            m_file.Write(2, "<DependentUpon>%s</DependentUpon>\n", fileName);
            m_file.Write(2, "<SubType>ASPXCodeBehind</SubType>\n");
            m_file.Write(2, "</Compile>\n");
            m_file.Write(2, "<Compile Include=\"%s\\UI\\%s.designer.cs\">\n", pages.module,
                         fileName);
            m_file.Write(2, "<DependentUpon>%s</DependentUpon>\n", fileName);
            m_file.Write(2, "</Compile>\n");
        }
        if (!pages.listsLogin)
            continue;
        m_file.Write(2, "<Compile Include=\"%s\\UI\\Login.aspx.cs\">\n", pages.module);
        m_file.Write(3, "<DependentUpon>Login.aspx</DependentUpon>\n");
        m_file.Write(3, "<SubType>ASPXCodeBehind</SubType>\n");
        m_file.Write(2, "</Compile>\n");
        m_file.Write(2, "<Compile Include=\"%s\\UI\\Login.aspx.designer.cs\">\n", pages.module);
        m_file.Write(3, "<DependentUpon>Login.aspx</DependentUpon>\n");
        m_file.Write(2, "</Compile>\n");
    }
}

void ProjectFileWriter::WriteMasterPageCodeItems()
{
    for (const CString& masterPage : m_masterPages)
    {
        m_file.Write(2, "<Compile Include=\"Themes\\UI\\%s.Master.cs\">\n", masterPage);
        m_file.Write(2, "<DependentUpon>%s.Master</DependentUpon>\n", masterPage);
        m_file.Write(2, "<SubType>ASPXCodeBehind</SubType>\n");
        m_file.Write(2, "</Compile>\n");
        m_file.Write(2, "<Compile Include=\"Themes\\UI\\%s.Master.designer.cs\">\n", masterPage);
        m_file.Write(2, "<DependentUpon>%s.Master</DependentUpon>\n", masterPage);
        m_file.Write(2, "</Compile>\n");
    }
}

void ProjectFileWriter::WriteFixedCodeItems()
{
    WriteCodeLines(m_file, {
                               {2, "<Compile Include=\"Util\\ControlFieldHandler.cs\" />"},
                               {2, "<Compile Include=\"Util\\CSSHandler.cs\" />"},
                               {2, "<Compile Include=\"Util\\DBHandler.cs\" />"},
                               {2, "<Compile Include=\"Util\\Menus.cs\" />"},
                               {2, "<Compile Include=\"Util\\ReportXMLWriter.cs\" />"},
                               {2, "<Compile Include=\"Util\\UtilHandler.cs\" />"},
                               {2, "<Compile Include=\"Properties\\AssemblyInfo.cs\" />"},
                           });
}

void ProjectFileWriter::WriteDataSetCodeItems()
{
    for (const CString& dataSet : m_dataSets)
    {
        m_file.Write(2, "<Compile Include=\"%s.Designer.cs\" >\n", EscapeXml(StemOf(dataSet)));
        m_file.Write(3, "<AutoGen>True</AutoGen>\n");
        m_file.Write(3, "<DesignTime>True</DesignTime>\n");
        m_file.Write(3, "<DependentUpon>%s</DependentUpon>\n", EscapeXml(FileNameOf(dataSet)));
        m_file.Write(2, "</Compile>\n");
    }
}

void ProjectFileWriter::WriteNone()
{
    m_file.Write(1, "<ItemGroup>\n");
    for (const CString& dataSet : m_dataSets)
    {
        const CString stem = EscapeXml(StemOf(dataSet));
        const CString fileName = EscapeXml(FileNameOf(dataSet));
        m_file.Write(2, "<None Include=\"%s.xsc\" >\n", stem);
        m_file.Write(3, "<DependentUpon>%s</DependentUpon>\n", fileName);
        m_file.Write(2, "</None>\n");
        m_file.Write(2, "<None Include=\"%s\" >\n", EscapeXml(dataSet));
        m_file.Write(3, "<SubType>Designer</SubType>\n");
        m_file.Write(3, "<Generator>MSDataSetGenerator</Generator>\n");
        m_file.Write(3, "<LastGenOutput>%s.Designer.cs</LastGenOutput>\n",
                     EscapeXml(WithoutExtension(FileNameOf(dataSet))));
        m_file.Write(2, "</None>\n");
        m_file.Write(2, "<None Include=\"%s.xss\" >\n", stem);
        m_file.Write(3, "<DependentUpon>%s</DependentUpon>\n", fileName);
        m_file.Write(2, "</None>\n");
    }
    m_file.Write(1, "</ItemGroup>\n");
}

void ProjectFileWriter::WriteEmbeddedResources()
{
    m_file.Write(1, "<ItemGroup>\n");
    for (const CString& reportFile : m_reportFiles)
        m_file.Write(2, "<EmbeddedResource Include=\"%s\" />\n", EscapeXml(reportFile));
    m_file.Write(1, "</ItemGroup>\n");
}

void ProjectFileWriter::WriteTail()
{
    WriteCodeLines(m_file,
                   {
                       {1, "<Import Project=\"$(MSBuildBinPath)\\Microsoft.CSharp.targets\" />"},
                       {1, "<Import Project=\"$(MSBuildExtensionsPath)\\Microsoft\\VisualStudio\\"
                           "v8.0\\WebApplications\\Microsoft.WebApplication.targets\" />"},
                       {1, "<ProjectExtensions>"},
                       {2, "<VisualStudio>"},
                       {3, "<FlavorProperties GUID=\"{349c5851-65df-11da-9384-00065b846f21}\">"},
                       {4, "<WebProjectProperties>"},
                       {5, "<UseIIS>False</UseIIS>"},
                       {5, "<AutoAssignPort>True</AutoAssignPort>"},
                   });
    m_file.Write(5, "<DevelopmentServerPort>%s</DevelopmentServerPort>\n",
                 m_target.developmentServerPort);
    WriteCodeLines(m_file, {
                               {5, "<DevelopmentServerVPath>/</DevelopmentServerVPath>"},
                               {5, "<IISUrl></IISUrl>"},
                               {5, "<NTLMAuthentication>False</NTLMAuthentication>"},
                               {4, "</WebProjectProperties>"},
                               {3, "</FlavorProperties>"},
                               {2, "</VisualStudio>"},
                               {1, "</ProjectExtensions>"},
                               {0, "</Project>"},
                           });
}
