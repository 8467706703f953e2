#pragma once

class ForgeonProject;
class GenerationReport;
class Module;

// Reports each Compile and Content item of the written project file (the Include as listed, "\"
// as the separator, its case kept) that is missing, as a file not written, naming the page that
// needs it, unless the report names that file already. A file of a module that the run writes
// (its pages, data classes and data sets) is missing when this run did not write or keep it,
// whatever lies on disk; any other file (the prepared folder's, a data set's code that the user
// supplied, a file of a module the run does not write) when it is not in the application folder.
// A file the host cannot look at (a name too long, a folder not searchable) is named with the
// host's reason. Nothing when the project file is no regular file or cannot be read: its writer
// reported that.
void ReportMissingProjectItems(const ForgeonProject& project, GenerationReport& report,
                               const Module* writtenModule = nullptr);
