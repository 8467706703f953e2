#pragma once

#include "gen_reports/XmlNode.h"

#include <string>

// The text with its line breaks and tabs shown as \r \n \t.
inline std::string Visible(const CString& text)
{
    std::string out;
    for (const char c : text.str())
    {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

// One line a node, indented two blanks a level: its name, a type other than element, its
// value and its attributes.
inline void DumpTree(const XmlNode& node, int depth, std::string& out)
{
    out += std::string(2 * depth, ' ') + node.GetName().str();
    if (node.GetType() != XmlNode::elementNode)
        out += " type=" + std::to_string(node.GetType());
    if (!node.GetValue().IsEmpty())
        out += " value=\"" + Visible(node.GetValue()) + "\"";
    for (const auto& attribute : node.GetAttributes())
        out += " @" + attribute->name.str() + "=\"" + Visible(attribute->value) + "\"";
    out += "\n";
    for (const auto& child : node.GetChildren())
        DumpTree(*child, depth + 1, out);
}

inline std::string DumpTree(const XmlNode& node)
{
    std::string out;
    if (!node.GetName().IsEmpty() || node.GetChildCount() > 0)
        DumpTree(node, 0, out);
    return out;
}
