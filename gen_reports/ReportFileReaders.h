#pragma once

#include "gen_reports/XmlFile.h"
#include "platform/core/CString.h"

class ForgeonProject;

// A file that the web project file lists, read into the project: its full path, its path as
// the project file writes it (the relative name) and the project.
class ProjectItemReader : public XmlFile
{
public:
    ProjectItemReader(CString fullPath, CString relativeName, ForgeonProject* project);

protected:
    CString m_fullPath;
    CString m_relativeName;
    ForgeonProject* m_project;
};

// Reads one report definition into an RDLCInfo named with its relative name, with one
// data-set record a "DataSet" element that describes its data set.
class RdlcFileReader : public ProjectItemReader
{
public:
    using ProjectItemReader::ProjectItemReader;

    // Registers the RDLCInfo unless the project has one of that name or the file was refused
    // (GetReadRefusal).
    void Read();
};

// Reads one typed data set schema into an XSDInfo with its table adapters.
class XsdFileReader : public ProjectItemReader
{
public:
    using ProjectItemReader::ProjectItemReader;

    // Registers the XSDInfo unless the project has one of that name or the file was refused
    // (GetReadRefusal).
    void Read();
};
