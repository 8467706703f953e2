#include "merge/ProjectMerger.h"

// The phases of the page side, the classes, the menus and the report descriptions keep their
// place in the run; their resolvers are not built yet, so they resolve nothing.

void ProjectMerger::ResolveClasses(Module*, Module*) {}

void ProjectMerger::ResolveMasterForms(Module*, Module*) {}

void ProjectMerger::ResolveTransactions(Module*, Module*) {}

void ProjectMerger::ResolveDashBoards(Module*, Module*) {}

void ProjectMerger::ResolveDashBoardPages(Module*, Module*) {}

void ProjectMerger::ResolveReports(Module*, Module*) {}

void ProjectMerger::ResolveRDLCReports(Module*, Module*) {}

void ProjectMerger::ResolveMenus(Module*, Module*) {}

void ProjectMerger::ResolveDesignations(Module*, Module*) {}

void ProjectMerger::MarkNewXSDInfosForOverwrite() {}

void ProjectMerger::MarkNewRDLCInfosForOverwrite() {}

void ProjectMerger::ResolveXSDInfos() {}

void ProjectMerger::ResolveRDLCInfos() {}
