#pragma once

#include "platform/core/CString.h"

class ForgeonProject;
class GenerationReport;

// The folder named after the project inside the project path, ending with "\".
CString GetProjectFolder(const ForgeonProject& project);
// The output root of the generated application: the project folder + project name + "\".
CString GetOutputRoot(const ForgeonProject& project);
// The report writes only below the project folder, which may be a link, as may the output
// root: a site folder kept elsewhere (served by a web server) is written through its link.
void GuardProjectFolder(GenerationReport& report, const ForgeonProject& project);
