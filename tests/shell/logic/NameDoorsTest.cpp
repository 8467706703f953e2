#include "model/NameUtilities.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "shell/logic/ModuleRenamer.h"
#include "tests/shell/logic/TreeFixture.h"

#include <string>

namespace
{
// Each door a name enters by, refused (true) or taken.
struct Doors
{
    bool renameModule;
    bool tableDesigner;
    bool pageDesigners;
    bool menuEditor;
    bool themeFromFile;
    bool operator==(const Doors&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Doors& doors)
{
    return out << "rename module " << doors.renameModule << ", table designer "
               << doors.tableDesigner << ", page designers " << doors.pageDesigners
               << ", menu editor " << doors.menuEditor << ", theme from a file "
               << doors.themeFromFile;
}
} // namespace

// A name that no door takes never reaches a save: control characters are refused with the other
// special characters at every door, and theme and scheme names from a file are folder names.
TEST_F(TreeFixture, EveryNameDoorRefusesControlCharactersAndThemeNamesArePlainFolderNames)
{
    Module* second = project.AddNewModule();
    ProjectSettings& settings = *project.GetProjectSettings();
    const struct
    {
        std::string name;
        Doors refused;
    } cases[] = {
        {"Sales", {false, false, false, false, false}},
        {"Sales-2", {false, false, false, true, false}},
        {"Blue Sky", {true, true, false, false, false}},
        {"Sa\nles", {true, true, true, true, true}},
        {"Sales\r\n", {false, true, true, true, true}},
        {std::string("Sa\x01les"), {true, true, true, true, true}},
        {"Sales\x7f", {true, true, true, true, true}},
        {"Sa\tles", {true, true, true, true, true}},
        {"..\\..\\..\\home", {true, true, true, true, true}},
        {"\\", {true, true, true, true, true}},
        {"..", {true, true, true, true, true}},
        {"a/b", {true, true, true, true, true}},
    };
    for (const auto& each : cases)
    {
        const CString name(each.name.c_str());
        const TableNameFaults faults = FindTableNameFaults(name);
        settings.SetThemeName(name);
        const bool themeRefused = !RefuseProjectNames(project).IsEmpty();
        settings.SetThemeName("theme1");
        settings.SetColorSchemeName(name);
        const bool schemeRefused = !RefuseProjectNames(project).IsEmpty();
        settings.SetColorSchemeName("scheme1");
        EXPECT_EQ(themeRefused, schemeRefused) << each.name;
        const Doors found{
            !ModuleRenamer(project, *second).Check(name).IsEmpty(),
            faults.specialCharacters || faults.sqlKeyword || faults.blanks || faults.digitFirst,
            HasSpecialCharacters(name),
            HasMenuSpecialCharacters(name),
            themeRefused,
        };
        EXPECT_EQ(found, each.refused) << each.name;
    }
    EXPECT_EQ(RefuseProjectNames(project), "");
    settings.SetThemeName("");
    EXPECT_EQ(RefuseProjectNames(project), "");
    settings.SetColorSchemeName("..");
    EXPECT_EQ(RefuseProjectNames(project),
              "the colour-scheme name \"..\" is refused: it names no folder of its own");
}
