#include "gen_web/SupportFileWriter.h"

#include "gen_web/CSSHandlerWriter.h"
#include "gen_web/ControlFieldHandlerWriter.h"
#include "gen_web/DBHandlerWriter.h"
#include "gen_web/ReportXMLWriterClassWriter.h"
#include "gen_web/UtilHandlerWriter.h"
#include "gen_web/WebConfigWriter.h"
#include "model/ForgeonProject.h"

SupportFileWriter::SupportFileWriter(ForgeonProject* project, GenerationReport& report)
    : TemplatePageWriter(project, report)
{
}

void SupportFileWriter::WriteWebConfig()
{
    WriteFile<WebConfigWriter>("Web.config", ApplicationFolder());
}

void SupportFileWriter::WriteUtilHandler()
{
    WriteFile<UtilHandlerWriter>("UtilHandler.cs", ApplicationFolder() + "\\Util");
}

void SupportFileWriter::WriteDBHandler()
{
    WriteFile<DBHandlerWriter>("DBHandler.cs", ApplicationFolder() + "\\Util");
}

void SupportFileWriter::WriteCSSHandler()
{
    WriteFile<CSSHandlerWriter>("CSSHandler.cs", ApplicationFolder() + "\\Util");
}

void SupportFileWriter::WriteControlFieldHandler()
{
    WriteFile<ControlFieldHandlerWriter>("ControlFieldHandler.cs", ApplicationFolder() + "\\Util");
}

void SupportFileWriter::WriteReportXMLWriter()
{
    WriteFile<ReportXMLWriterClassWriter>("ReportXMLWriter.cs", ApplicationFolder() + "\\Util");
}

bool SupportFileWriter::WriteUtilClass(const CString& fileName)
{
    static const struct
    {
        const char* fileName;
        void (SupportFileWriter::*write)();
    } utilClasses[] = {
        {"DBHandler.cs", &SupportFileWriter::WriteDBHandler},
        {"ControlFieldHandler.cs", &SupportFileWriter::WriteControlFieldHandler},
        {"UtilHandler.cs", &SupportFileWriter::WriteUtilHandler},
        {"CSSHandler.cs", &SupportFileWriter::WriteCSSHandler},
        {"ReportXMLWriter.cs", &SupportFileWriter::WriteReportXMLWriter},
    };
    for (const auto& utilClass : utilClasses)
    {
        if (fileName == utilClass.fileName)
        {
            (this->*utilClass.write)();
            return true;
        }
    }
    return false;
}

template <class Writer>
void SupportFileWriter::WriteFile(const CString& fileName, const CString& folder)
{
    Writer(*m_project, m_textFile).Write();
    InsertGeneratedText(0);
    SavePage(fileName, folder);
}

CString SupportFileWriter::ApplicationFolder() const
{
    const CString name = m_project->GetProjectName();
    return name + "\\" + name;
}
