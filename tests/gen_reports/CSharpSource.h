#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A read stream over the text, closed when dropped.
inline std::unique_ptr<std::FILE, int (*)(std::FILE*)> SourceStream(const std::string& text)
{
    // fmemopen refuses a size of 0; one byte past the text's end is its terminator, never read.
    std::FILE* stream = text.empty() ? std::fopen("/dev/null", "r")
                                     : ::fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    return {stream, &std::fclose};
}

#include "gen_reports/CSharpParser.h"

// The parser's index as text: per class its name line, then per method
// "  <return type> <name>(<type> <name>, ...) [<body>]".
inline std::string IndexText(const CSharpParser& parser)
{
    std::string text;
    for (const CSharpClassInfo* info : parser.GetClasses())
    {
        text += std::string(info->name.text) + "\n";
        for (const CSharpMethodInfo* method : info->methods)
        {
            text +=
                "  " + std::string(method->returnType) + " " + std::string(method->name.text) + "(";
            for (std::size_t i = 0; i < method->parameters.size(); ++i)
            {
                text += i > 0 ? ", " : "";
                text += std::string(method->parameters[i]->type) + " " +
                        std::string(method->parameters[i]->name.text);
            }
            text += ") [" + std::string(method->body) + "]\n";
        }
    }
    return text;
}

// Parses the text into the parser; its result.
inline int ParseText(CSharpParser& parser, const std::string& text)
{
    auto stream = SourceStream(text);
    return parser.ParseStream(stream.get());
}
