#pragma once

#include "tests/gen_classic/ClassicGolden.h"
#include "tests/gen_web/PageScript.h"
#include "tests/gen_web/ToolRun.h"
#include "tests/support/HostFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// What the tests ask of the pages and scripts that a Write All wrote below a folder, whatever
// the texts of the project: their scripts parse and their markup shows a text as text.

// The written files below the folder whose names end in one of the endings.
inline std::vector<std::filesystem::path> FilesEndingIn(const std::filesystem::path& folder,
                                                        std::initializer_list<const char*> endings)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && std::ranges::any_of(endings, [&name](const char* ending)
                                                           { return name.ends_with(ending); }))
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    return files;
}

// node's parser, as node --check runs it, over every script in one process: the scripts that
// do not parse, with the reason.
inline ToolResult ParseScripts(const std::vector<std::string>& scripts,
                               const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    std::string files;
    for (std::size_t i = 0; i < scripts.size(); ++i)
    {
        const std::filesystem::path file = folder / (std::to_string(i) + ".js");
        WriteHostFile(file, scripts[i]);
        files += " " + ShellQuoted(file.string());
    }
    return RunTool("node -e " +
                   ShellQuoted("const fs = require('fs'), vm = require('vm'); let failed = 0;"
                               "for (const f of process.argv.slice(1)) {"
                               " try { new vm.Script(fs.readFileSync(f, 'utf8'), {filename: f}); }"
                               " catch (e) { console.log(f + ': ' + e.message); failed = 1; } }"
                               "process.exit(failed);") +
                   files);
}

// Each server block of the text in order, by the places of its "<%" and "%>"; an unclosed
// block ends the walk (without a regular expression, which would recurse once a character over
// a long page).
inline void ForEachServerBlock(const std::string& text,
                               const std::function<void(std::size_t, std::size_t)>& each)
{
    std::size_t from = 0;
    for (std::size_t open = text.find("<%"); open != std::string::npos;
         open = text.find("<%", from))
    {
        const std::size_t close = text.find("%>", open + 2);
        if (close == std::string::npos)
            break;
        each(open, close);
        from = close + 2;
    }
}

// The text with each server block in its place replaced.
inline std::string WithServerBlocksAs(const std::string& text, const std::string& replacement)
{
    std::string result;
    std::size_t from = 0;
    ForEachServerBlock(text,
                       [&](std::size_t open, std::size_t close)
                       {
                           result.append(text, from, open - from).append(replacement);
                           from = close + 2;
                       });
    return result.append(text, from);
}

// The scripts of the written files: the script files themselves and the script blocks and
// event attributes of the pages, server blocks standing as a literal.
inline std::vector<std::string> WrittenScripts(const std::filesystem::path& folder)
{
    std::vector<std::string> scripts;
    for (const std::filesystem::path& file : FilesEndingIn(folder, {".js"}))
        scripts.push_back(ReadHostFile(file));
    for (const std::filesystem::path& page : FilesEndingIn(folder, {".aspx", ".master", ".asp"}))
        scripts.push_back(PageScript(WithServerBlocksAs(ReadHostFile(page), "0")));
    return scripts;
}

// The markup of the pages below the folder shows the payload "\"'<>&\\</script><%=7*7%>]]>--x" as
// text: no server block of it and, outside the server blocks, no script element it closes.
inline void ExpectPayloadIsNoMarkup(const std::filesystem::path& folder)
{
    for (const std::filesystem::path& page :
         FilesEndingIn(folder, {".aspx", ".master", ".asp", ".htm"}))
    {
        const std::string text = ReadHostFile(page);
        EXPECT_EQ(std::string::npos, text.find("<%=7*7%>")) << page;
        const std::string markup = WithServerBlocksAs(text, "");
        EXPECT_EQ(Count(markup, "<script"), Count(markup, "</script")) << page;
    }
}

// Some written file below the folder holds the text.
inline bool IsWritten(const std::filesystem::path& folder, const std::string& text)
{
    return std::ranges::any_of(std::filesystem::recursive_directory_iterator(folder),
                               [&text](const std::filesystem::directory_entry& entry) {
                                   return entry.is_regular_file() &&
                                          ReadHostFile(entry.path()).find(text) !=
                                              std::string::npos;
                               });
}
