#pragma once

#include "platform/core/CString.h"

#include <deque>
#include <functional>
#include <vector>

// One object that moves with a page or menu to another module.
struct DependencyRecord
{
    static constexpr int kTable = 0;
    static constexpr int kReport = 1;
    static constexpr int kRole = 10;

    CString name;
    CString moduleName;
    int number = 0;
    int kind = kTable;
    bool selected = false;
};

// The modal "Dependencies..." dialog: a check box per record under a heading. The user
// interface installs the handler that shows it; on OK the handler sets every record's selected
// flag from its check box and answers IDOK, on Cancel it leaves the flags and answers IDCANCEL.
class DependenciesDlg
{
public:
    using ModalHandler = std::function<int(DependenciesDlg&)>;

    // Keeps the record pointers; parent is the owner window, null for the main window.
    explicit DependenciesDlg(const std::vector<DependencyRecord*>& records, void* parent = nullptr);

    void SetTitle(CString title) { m_title = title; }
    CString GetTitle() const { return m_title; }
    const std::vector<DependencyRecord*>& GetRecords() const { return m_records; }
    void* GetParent() const { return m_parent; }

    // Runs the installed handler; IDCANCEL without one.
    int DoModal();

    // Installs the handler (an empty one removes it) and returns the previous one.
    static ModalHandler SetModalHandler(ModalHandler handler);

private:
    std::vector<DependencyRecord*> m_records;
    void* m_parent;
    CString m_title;
};

// Test double: installed as the handler for its lifetime, it records the title of every dialog
// shown and answers from a script. An OK answer sets the selected flags from its selection, one
// per record in order (records beyond the selection are cleared). A dialog shown with the
// script used up is cancelled and counted.
class ScriptedDependenciesDlg
{
public:
    ScriptedDependenciesDlg();
    ~ScriptedDependenciesDlg();
    ScriptedDependenciesDlg(const ScriptedDependenciesDlg&) = delete;
    ScriptedDependenciesDlg& operator=(const ScriptedDependenciesDlg&) = delete;

    void AnswerOk(std::vector<bool> selection);
    void AnswerCancel();

    const std::vector<CString>& Titles() const { return m_titles; }
    std::size_t UnscriptedCount() const { return m_unscripted; }

private:
    struct Answer
    {
        int result;
        std::vector<bool> selection;
    };

    int Show(DependenciesDlg& dialog);

    std::deque<Answer> m_answers;
    std::vector<CString> m_titles;
    std::size_t m_unscripted = 0;
    DependenciesDlg::ModalHandler m_previous;
};
