#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class AspFile;
class ForgeonProject;
class FormInterface;
class Module;
class ProcedureFieldInfo;
class ReportDialogsHost;
class ReportField;
class ReportGroup;
class Variable;

// "Report field settings:": one column's layout numbers, the page file it links to and the
// bindings that feed that page's variables. The link and binding buttons change the column at
// once; OK stores the layout numbers.
class ReportFieldSettings
{
public:
    static constexpr UINT IDD = 186;
    static constexpr int IDC_MODULE = 1015;
    static constexpr int IDC_NAME = 1031;
    static constexpr int IDC_WIDTH = 1049;
    static constexpr int IDC_MAP = 1103;
    static constexpr int IDC_UNMAP = 1104;
    static constexpr int IDC_COLUMN_NUMBER = 1278;
    static constexpr int IDC_LEFT = 1279;
    static constexpr int IDC_CENTER = 1280;
    static constexpr int IDC_RIGHT = 1281;
    static constexpr int IDC_PAGE_FILE = 1285;
    static constexpr int IDC_PAGE_VARIABLES = 1287;
    static constexpr int IDC_SOURCES = 1291;
    static constexpr int IDC_ADD_FILE = 1293;
    static constexpr int IDC_REMOVE_FILE = 1294;
    static constexpr int IDC_PAGE = 1295;
    static constexpr int IDC_FILE_NAME = 1296;
    static constexpr int IDC_PAGE_KIND = 1297;
    static constexpr int IDC_SOURCE_KIND = 1301;
    static constexpr int IDC_OK = 1304;
    static constexpr int IDC_FILE_CONTENT = 1637;
    static constexpr int IDC_IMAGE_WIDTH = 1638;
    static constexpr int IDC_IMAGE_HEIGHT = 1639;
    static constexpr int IDC_MONEY = 1656;
    static constexpr int IDC_HELP_BUTTON = 1740;
    static constexpr int IDC_CONTROL_PROPERTY = 61455;

    // Positions in the source-kind combo.
    enum SourceKind
    {
        FunctionFields,
        ReportVariables,
        HiddenControls,
        RecordId,
    };

    ReportFieldSettings(ReportGroup& group, ReportField& column, Module* module,
                        ForgeonProject& project, ReportDialogsHost& host);

    CString GetCaption() const;
    static std::vector<ListColumn> PageVariableHeadings();
    static std::vector<ListColumn> SourceHeadings();
    ControlStates& States() { return m_states; }
    const std::vector<ListRow>& GetPageVariableRows() const { return m_pageVariableRows; }
    const std::vector<ListRow>& GetSourceRows() const { return m_sourceRows; }

    void Open();
    void ChooseModule(int index);
    void ChoosePageKind(int index);
    void ChoosePage(int index);
    void ChooseSourceKind(int index);
    void SelectPageVariable(int row) { m_selectedPageVariable = row; }
    void SelectSource(int row) { m_selectedSource = row; }
    void AddFile();
    void RemoveFile();
    void Map();
    void Unmap();
    void ToggleMoney();
    void EditControlProperty();
    // Stores the typed values into the column; false, with the refusal shown and nothing stored,
    // when the caption holds a line break.
    bool Ok();

private:
    // The column's display name; an empty one is the output column's.
    CString ColumnName() const;
    void FillPages();
    void FillFiles();
    void ShowLink();
    void FillSources();
    void ShowNumber(int id, int value);
    int ReadNumber(int id) const;

    ReportGroup& m_group;
    ReportField& m_column;
    ForgeonProject& m_project;
    ReportDialogsHost& m_host;
    Module* m_module;
    ControlStates m_states;
    int m_pageKind = 0;
    std::vector<FormInterface*> m_pages;
    std::vector<AspFile*> m_files;
    std::vector<Variable*> m_pageVariables;
    std::vector<ListRow> m_pageVariableRows;
    std::vector<ListRow> m_sourceRows;
    int m_selectedPageVariable = -1;
    int m_selectedSource = -1;
};
