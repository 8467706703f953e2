#pragma once

class ForgeonProject;
class GenerationReport;

// Reports, as files not written, each page file that another page writes too in the same folder
// (names compared ignoring case, as a Windows folder compares them: one replaces the other) and
// each page class that another page of the project declares too (the site does not compile),
// over the pages the generator writes in every module.
void ReportPageClashes(const ForgeonProject& project, GenerationReport& report);
