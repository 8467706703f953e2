#pragma once

#include "controls/CellListCtrl.h"
#include "controls/RichToolTipCtrl.h"
#include "editors/ControlStatesView.h"
#include "merge/EntityMapper.h"
#include "merge/MergeDependencyReview.h"
#include "platform/ui/Dialog.h"

// "Merge Dependency " over a MergeDependencyReview: what the selection needs and neither holds
// nor finds in the first project, one pass of the collector a filter.
class MergeDependencyDlg : public CDialog, private MergeDependencyHost
{
public:
    static constexpr UINT IDD = MergeDependencyReview::IDD;

    explicit MergeDependencyDlg(MergeDependencyCollector& collector, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnCancel() override;
    MergeDependencyReview& Review() { return m_review; }

private:
    void OnFilter();
    void OnMap();
    void Show();
    void OpenMapping(MergeDependencyCollector& collector) override;

    MergeDependencyReview m_review;
    ControlStatesView m_view;
    CCellListCtrl m_list;
    CRichToolTipCtrl m_toolTips;
};

// "Map Entity" over an EntityMapper: a needed entity of the second project paired with one of
// the first.
class MapEntityDlg : public CDialog
{
public:
    static constexpr UINT IDD = EntityMapper::IDD;

    explicit MapEntityDlg(MergeDependencyCollector& collector, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    EntityMapper& Mapper() { return m_mapper; }

private:
    void OnCombo(int id, void (EntityMapper::*choose)(int));
    void OnMap();
    void Show();

    EntityMapper m_mapper;
    ControlStatesView m_view;
    CCellListCtrl m_fieldList;
    CCellListCtrl m_dataList;
};
