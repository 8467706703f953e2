#pragma once

#include "gen_reports/XmlFile.h"
#include "platform/core/CString.h"

class ForgeonProject;

// Reads one report definition into an RDLCInfo named with its path as the project file
// writes it, with one data-set record a "DataSet" element that describes its data set.
class RdlcFileReader : public XmlFile
{
public:
    RdlcFileReader(CString fullPath, CString relativeName, ForgeonProject* project);

    // Registers the RDLCInfo unless the project has one of that name.
    void Read();

private:
    CString m_fullPath;
    CString m_relativeName;
    ForgeonProject* m_project;
};

// Reads one typed data set schema into an XSDInfo with its table adapters.
class XsdFileReader : public XmlFile
{
public:
    XsdFileReader(CString fullPath, CString relativeName, ForgeonProject* project);

    // Registers the XSDInfo unless the project has one of that name.
    void Read();

private:
    CString m_fullPath;
    CString m_relativeName;
    ForgeonProject* m_project;
};
