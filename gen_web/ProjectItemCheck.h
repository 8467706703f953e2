#pragma once

class ForgeonProject;
class GenerationReport;

// Reports each Compile and Content item of the written project file whose file is not in the
// application folder (the Include as listed, "\" as the separator, its case kept), as a file not
// written, unless the report names that file already. Nothing when the project file cannot be
// read: its writer reported that.
void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report);
