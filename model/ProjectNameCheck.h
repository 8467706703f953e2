#pragma once

#include "platform/core/CString.h"

#include <vector>

class Field;
class LinkControl;
class FormInterface;
class ForgeonProject;
class Module;
class ProjectSettings;
class Table;

// The module, table and field names of a project as the table designer and Rename Module take
// typed names, for every door that reads a project file: the project and database names as
// Project Properties takes them (RefuseProjectAndDatabaseNames), the values of the connection
// (RefuseConnectionValues) and the theme and colour-scheme names, which refuse the file only where
// they are paths (RefuseReadThemePath), first; each name passes the rules of its kind (a field's
// those of RefuseReadFieldName, its default value the table designer's, RefuseDefaultValue), no
// two tables of the whole project share a name compared ignoring case, no two modules share a
// name; the page names pass the designers' rules (RefuseModulePageNames). Names that earlier
// versions took are left to Write All
// (FindNamesToRename). The first name refused, as "the table name "x" of module "y" is
// refused: <reason>"; empty when every name is taken.
CString RefuseProjectNames(const ForgeonProject& project);
// The project name (none, or RefuseReadModuleName) and the database name (RefuseReadDatabaseName)
// of the settings: as "the project name "x" is refused: <reason>"; empty when both are taken.
CString RefuseProjectAndDatabaseNames(const ProjectSettings& settings);
// The server name, user id, password and connection string of the settings, which a connection
// string and Web.config hold, with no control character: as "the user id "x" is refused: it
// holds control characters" (the password and the connection string unquoted); empty when all
// are taken.
CString RefuseConnectionValues(const ProjectSettings& settings);
// The theme and colour-scheme names of the settings as folder names of the program's themes
// folder (RefuseReadThemeName), never paths: as "the theme name "x" is refused: <reason>"; empty
// when both are taken.
CString RefuseThemeNames(const ProjectSettings& settings);
// A project read whose theme or colour-scheme name RefuseThemeNames refuses, which earlier
// versions took from folder names, is left without a theme, so that the default theme is
// applied: the warning that names it; empty when both names are kept.
CString TakeAwayUnusableThemeNames(ProjectSettings& settings);

// A name that earlier versions took and no file of the site can take: a module named as another
// but in case (their merges compared names exactly), a page whose longest file would be longer
// than a file system holds (their designers took such names), or a field name that breaks the
// table designer's field rule (their table designer and Import Tables took such names, which
// the generated code cannot take). A file holding one loads
// with a warning; the writers refuse it until it is renamed.
struct NameToRename
{
    const Module* module;
    // The module of that name in another case; null for a page.
    const Module* namesake;
    // Null for a module or a field.
    const FormInterface* page;
    // The name, why and what to do, as the messages show it.
    CString text;
};
// Each such name, in module order.
std::vector<NameToRename> FindNamesToRename(const ForgeonProject& project);
// The warning of a project read that holds such names; empty when it holds none.
CString NamesToRenameWarning(const ForgeonProject& project);
// The refusal of a write of the module's files (every module's when null), or of the page's
// alone when one is given, while a name they are written under is to be renamed; empty when
// none is.
CString RefuseWritingNamesToRename(const ForgeonProject& project, const Module* module,
                                   const FormInterface* page);
// Shows that refusal when there is one: true when the write may go on.
bool CheckNamesBeforeWrite(const ForgeonProject& project, const Module* module,
                           const FormInterface* page);

// The field of the table, other than except and other than one of the same name ignoring case,
// whose name the generated code writes as the same member or control id as the name
// (CSharpIdentifierPart, PageControlId; compared ignoring case); null when none.
const Field* FindFieldOfSameIdentifier(const Table& table, const CString& name,
                                       const Field* except);
// The table of the project, other than except and other than one of the same name ignoring case,
// whose name the generated code writes as the same class name as the name
// (CSharpIdentifierPart, compared ignoring case); null when none.
const Table* FindTableOfSameIdentifier(const ForgeonProject& project, const CString& name,
                                       const Table* except);

// The id of a link of a page made from its display name: the caption trimmed of blanks, as
// PageControlId makes it, of its first 100 characters at most (a display name is free text;
// C# takes no identifier beyond 512).
CString LinkControlId(CString caption);
// What of the page, but the link except, has the id a link of the caption would have: "the
// field \"x\"" or "the link \"x\"", empty when nothing has.
CString FindPageIdOfCaption(const FormInterface& page, const CString& caption,
                            const LinkControl* except);
// What of the page, but the field except, has the control id a field of the name would have
// (PageControlId), as above.
CString FindPageIdOfFieldName(const FormInterface& page, const CString& name, const Field* except);

// The project name and each module and table name that Windows keeps for a device, as "the
// table name "CON" of module "y"", the project's first, then in module order.
std::vector<CString> FindDeviceNames(const ForgeonProject& project);
// The warning of a project read that holds such names; empty when it holds none.
CString DeviceNameWarning(const ForgeonProject& project);

// A name as the messages about it show it: in quotes, bytes that are not text escaped.
CString QuotedName(const CString& name);
// The warning of a project read: the heading, each finding on a line, then the request to rename
// them before the next Write All; empty when nothing was found.
CString RenameBeforeWriteAllWarning(const CString& heading, const std::vector<CString>& found);
