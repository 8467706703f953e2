#pragma once

class ForgeonProject;
class GenerationReport;

// Reports each Compile and Content item of the written project file whose file is not in the
// application folder (the Include as listed, "\" as the separator, its case kept), as a file not
// written, unless the report names that file already; a file the host cannot look at (a name too
// long, a folder not searchable) is named with the host's reason. Nothing when the project file
// is no regular file or cannot be read: its writer reported that.
void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report);
