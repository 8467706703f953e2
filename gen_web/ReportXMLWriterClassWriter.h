#pragma once

#include "platform/core/CString.h"

#include <initializer_list>

class ForgeonProject;
class TextFile;

// Util\ReportXMLWriter.cs: the generated class that builds the XML answers of report pages,
// grids and menus. Its element and attribute names are the protocol with the client script.
// The report-cell methods (WriteTextReportData, WriteImageReportData, WriteLinkReportData) take
// the cell's content (text, image and alt, link and link text) before the id, as the class is
// written; every generated caller follows that order, and every writer added later must too.
class ReportXMLWriterClassWriter
{
public:
    ReportXMLWriterClassWriter(const ForgeonProject& project, TextFile& file);

    void Write();

    // How a method appends one attribute (or fixed text) to the element it opens.
    struct Attribute
    {
        enum class Kind
        {
            // Always: prefix + argument + "'".
            Text,
            // When the argument is not null.
            OptionalText,
            // When the argument is greater than 0.
            Number,
            // When greater than 0, followed by "%".
            Percent,
            // The prefix alone, when the bool argument is true.
            Flag,
            // Prefix + argument, unguarded and unquoted.
            Raw,
        };
        Kind kind;
        // The text before the value, such as " id='".
        const char* prefix;
        const char* argument;
    };

private:
    void WriteHead();
    void WriteInitAndClose();
    void WriteReportGroup();
    void WriteReportInstance();
    void WriteReportFields();
    void WriteReportDataCells();
    void WriteTextAndLinkFields();
    // The linkfield tag with its link and linktext children.
    void WriteLinkFieldStart();
    void WriteImageFields();
    void WriteFormFields();
    void WriteGrid();
    void WriteMenus();

    // A method whose whole body opens the element with its attributes and closes the tag
    // with close (">" or "/>").
    void WriteElementMethod(const char* signature, const char* element,
                            std::initializer_list<Attribute> attributes, const char* close);
    // The statements that open the element; close ends the tag.
    void WriteOpenTag(const char* element, std::initializer_list<Attribute> attributes,
                      const char* close);
    void WriteAttribute(const Attribute& attribute);
    // "public void <name>()" appending the closing tag.
    void WriteEndMethod(const CString& name, const char* element);
    // Begin<name>(String id) with an optional id, and End<name>().
    void WriteIdElementPair(const char* name, const char* element);
    // A method of the given signature whose body is the lines.
    void WriteMethod(const char* signature, std::initializer_list<const char*> body);

    TextFile& m_file;
    CString m_namespace;
};
