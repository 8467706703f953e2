#pragma once

#include "gen_web/TemplatePageWriter.h"
#include "platform/core/CString.h"

// Writes the fixed project-wide files: Web.config and the Util classes (all but Menus.cs).
class SupportFileWriter : public TemplatePageWriter
{
public:
    SupportFileWriter(ForgeonProject* project, GenerationReport& report);

    // "Web.config" in the application folder, the name the project file lists.
    void WriteWebConfig();
    // Each into the Util folder under its class name.
    void WriteUtilHandler();
    void WriteDBHandler();
    void WriteCSSHandler();
    void WriteControlFieldHandler();
    void WriteReportXMLWriter();
    // The Util class of that file name ("DBHandler.cs" ...); false for another name.
    bool WriteUtilClass(const CString& fileName);

private:
    // Runs the writer into the collected text and saves it as the page.
    template <class Writer> void WriteFile(const CString& fileName, const CString& folder);
    CString ApplicationFolder() const;
};
