#pragma once

#include "gen_reports/XmlFile.h"
#include "platform/core/CString.h"

class ForgeonProject;
class ReportNameIndex;

// A file that the web project file lists, read into the project: its full path, its path as
// the project file writes it (the relative name), the project and the names it uses, to which
// the reader adds the name it registers.
class ProjectItemReader : public XmlFile
{
public:
    ProjectItemReader(CString fullPath, CString relativeName, ForgeonProject* project,
                      ReportNameIndex& names);

protected:
    // Loads the file; false, with the file refused and the reason given (GetReadRefusal), when
    // it is missing, cannot be opened or read, or is not a whole XML document.
    bool LoadItem();

    CString m_fullPath;
    CString m_relativeName;
    ForgeonProject* m_project;
    ReportNameIndex& m_names;
};

// Reads one report definition into an RDLCInfo named with its relative name, with one
// data-set record a "DataSet" element that describes its data set.
class RdlcFileReader : public ProjectItemReader
{
public:
    using ProjectItemReader::ProjectItemReader;

    // Registers the RDLCInfo unless the project uses that name or the file was refused
    // (GetReadRefusal).
    void Read();
};

// Reads one typed data set schema into an XSDInfo with its table adapters.
class XsdFileReader : public ProjectItemReader
{
public:
    using ProjectItemReader::ProjectItemReader;

    // Registers the XSDInfo unless the project uses that name or the file was refused
    // (GetReadRefusal).
    void Read();
};
