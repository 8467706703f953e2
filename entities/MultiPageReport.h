#pragma once

#include "entities/FormInterface.h"

#include <vector>

class MultiPageData;

// A page that chains several reports as pages.
class MultiPageReport : public FormInterface
{
    DECLARE_SERIAL(MultiPageReport)

public:
    MultiPageReport();
    ~MultiPageReport() override;
    MultiPageReport(const MultiPageReport&) = delete;
    MultiPageReport& operator=(const MultiPageReport&) = delete;

    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    const std::vector<MultiPageData*>& GetPages() const { return m_pages; }
    // The report takes the page.
    void AddPage(MultiPageData* page) { m_pages.push_back(page); }

private:
    int m_id;
    std::vector<MultiPageData*> m_pages;

    static int s_idCounter;
};
