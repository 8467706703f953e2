#pragma once

#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/ToolRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

inline std::filesystem::path ClassicData(const std::string& name)
{
    return std::filesystem::path(WEAVO_TEST_DATA) / "gen_classic" / name;
}

// The text equals the expected file under tests/data/gen_classic (kept with "\n" line ends);
// when it does not, the text is left in the test temp folder for a look.
inline void ExpectGolden(const std::string& name, const std::string& actual)
{
    if (ReadHostFile(ClassicData(name)) == actual)
        return;
    const std::filesystem::path written =
        std::filesystem::path(::testing::TempDir()) / std::filesystem::path(name).filename();
    std::ofstream(written, std::ios::binary) << actual;
    ADD_FAILURE() << name << " differs from the expected file; the text written is in "
                  << written.string();
}

// The server script of the text balances and its delimiters pair.
inline std::vector<std::string> ScriptProblems(const std::string& text)
{
    return CheckPageText(text);
}

// How often the part stands in the text.
inline int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A written page as text with "\n" line ends.
inline std::string ReadPage(const std::filesystem::path& path)
{
    std::string text = ReadHostFile(path);
    std::erase(text, '\r');
    return text;
}

inline std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// node --check passes each script, written into the folder; a failure names the script.
inline void ExpectNodeAccepts(const std::vector<std::string>& scripts,
                              const std::filesystem::path& folder)
{
    for (std::size_t i = 0; i < scripts.size(); ++i)
    {
        const std::filesystem::path file = folder / ("script" + std::to_string(i) + ".js");
        std::ofstream(file) << scripts[i];
        const ToolResult node = RunTool("node --check " + ShellQuoted(file.string()));
        EXPECT_EQ(0, node.exitCode) << scripts[i] << "\n" << node.output;
    }
}
