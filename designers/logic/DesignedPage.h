#pragma once

// The page a designer shows: one of the project, only shown, or one the designer made itself,
// which it owns until the page is stored.
template <class Page> class DesignedPage
{
public:
    DesignedPage() = default;
    DesignedPage(const DesignedPage&) = delete;
    DesignedPage& operator=(const DesignedPage&) = delete;
    ~DesignedPage() { Drop(); }

    Page* Get() const { return m_page; }
    bool IsNew() const { return m_isNew; }

    // A page made new is deleted; no page is shown.
    void Drop()
    {
        if (m_isNew)
            delete m_page;
        Forget();
    }
    // No page is shown; nothing is deleted.
    void Forget()
    {
        m_page = nullptr;
        m_isNew = false;
    }
    // Shows a page of the project, after the one before was dropped.
    void Show(Page* page)
    {
        Drop();
        m_page = page;
    }
    // A new page, owned until Stored.
    void StartNew()
    {
        Drop();
        m_page = new Page;
        m_isNew = true;
    }
    // The page went into the project.
    void Stored() { m_isNew = false; }

private:
    Page* m_page = nullptr;
    bool m_isNew = false;
};
