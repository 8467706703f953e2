#pragma once

#include "entities/FormInterface.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class DashBoardPageData;

// A page that shows several dashboards one under the other; each placement may give its
// dashboard its own data binding.
class DashBoardPage : public FormInterface
{
    DECLARE_SERIAL(DashBoardPage)

public:
    // A new id, empty header, no placements.
    DashBoardPage();
    DashBoardPage(const DashBoardPage&) = delete;
    DashBoardPage& operator=(const DashBoardPage&) = delete;
    // Deletes every placement, then the page part.
    ~DashBoardPage() override;

    // The page record, the placements, the header (after version 79).
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }

    const CString& GetHeader() const { return m_header; }
    void SetHeader(const CString& header) { m_header = header; }

    // In display order.
    const std::vector<DashBoardPageData*>& GetPlacements() const { return m_placements; }
    // Appends the placement and takes it.
    void AddPlacement(DashBoardPageData* placement) { m_placements.push_back(placement); }

private:
    static int s_idCounter;

    int m_id;
    CString m_header;
    std::vector<DashBoardPageData*> m_placements;
};
