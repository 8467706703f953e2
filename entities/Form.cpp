#include "entities/Form.h"

#include "entities/ApplicationReport.h"
#include "entities/LinkControl.h"
#include "entities/Variable.h"
#include "model/ArchiveIO.h"
#include "model/Ownership.h"
#include "model/Table.h"

IMPLEMENT_SERIAL(Form, FormInterface, 0)

int Form::ms_lastId = 0;

Form::Form() : m_id(++ms_lastId) {}

Form::Form(const Form& source)
    : TableDataInterface(), FormInterface(), m_id(++ms_lastId), m_header(source.m_header),
      m_optionFlag(source.m_optionFlag), m_report(source.m_report),
      m_displayType(source.m_displayType)
{
    CopyFrom(&source);
    m_table = source.m_table;
}

Form::~Form()
{
    m_table = nullptr;
    m_report = nullptr;
    DeleteAll(m_reportVariableMaps);
}

void Form::Serialize(CArchive& ar)
{
    FormInterface::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteObject(m_table);
        ar.WriteObject(m_report);
        WriteBoolInt(ar, m_optionFlag);
        ar << m_header;
        WriteReportVariableMaps(ar, m_reportVariableMaps);
        ar << m_displayType;
        return;
    }

    const int version = ArchiveVersion();
    // Form-level links of old files; the page's own link lists replaced them.
    if (version < 26)
    {
        for (int list = 0; list < 2; ++list)
        {
            std::vector<LinkControl*> oldLinks;
            ReadObjectList(ar, oldLinks);
            for (LinkControl* link : oldLinks)
                delete link;
        }
    }
    m_table = ReadRef<Table>(ar);
    m_report = ReadRef<ApplicationReport>(ar);
    m_optionFlag = ReadBoolInt(ar);
    ar >> m_header;
    ReadReportVariableMaps(ar, m_reportVariableMaps, false);
    if (version >= 70)
        ar >> m_displayType;
}

void WriteReportVariableMaps(CArchive& ar, const std::vector<ReportVariableMap*>& maps)
{
    ar << static_cast<int>(maps.size());
    for (const ReportVariableMap* map : maps)
    {
        ar.WriteObject(map == nullptr ? nullptr : map->reportVariable);
        ar.WriteObject(map == nullptr ? nullptr : map->pageVariable);
    }
}

void ReadReportVariableMaps(CArchive& ar, std::vector<ReportVariableMap*>& maps, bool dropNullPairs)
{
    const int count = ReadCount(ar);
    for (int i = 0; i < count; ++i)
    {
        Variable* reportVariable = ReadRef<Variable>(ar);
        Variable* pageVariable = ReadRef<Variable>(ar);
        if (reportVariable == nullptr && pageVariable == nullptr)
        {
            if (!dropNullPairs)
                maps.push_back(nullptr);
            continue;
        }
        maps.push_back(new ReportVariableMap{reportVariable, pageVariable});
    }
}
