#pragma once

#include "platform/core/CString.h"

#include <vector>

class ForgeonProject;
class ProjectSettings;

// The module and table names of a project as the table designer and Rename Module take typed
// names, for every door that reads a project file: each name passes the rules of its kind, no two
// tables of the whole project share a name compared ignoring case, and no two modules share a
// name compared ignoring case, as Rename Module and the merge compare them; the page names pass
// the designers' rules and make no file longer than a file system holds (RefuseModulePageNames).
// The first name refused, as "the table name "x" of module "y" is refused: <reason>"; empty
// when every name is taken.
// The theme and colour-scheme names first (RefuseThemeNames).
CString RefuseProjectNames(const ForgeonProject& project);
// The theme and colour-scheme names of the settings as folder names of the program's themes
// folder (RefuseReadThemeName), never paths: as "the theme name "x" is refused: <reason>"; empty
// when both are taken.
CString RefuseThemeNames(const ProjectSettings& settings);

// Each module and table name that Windows keeps for a device, as "the table name "CON" of module
// "y"", in module order.
std::vector<CString> FindDeviceNames(const ForgeonProject& project);
// The warning of a project read that holds such names; empty when it holds none.
CString DeviceNameWarning(const ForgeonProject& project);

// A name as the messages about it show it: in quotes, bytes that are not text escaped.
CString QuotedName(const CString& name);
// The warning of a project read: the heading, each finding on a line, then the request to rename
// them before the next Write All; empty when nothing was found.
CString RenameBeforeWriteAllWarning(const CString& heading, const std::vector<CString>& found);
