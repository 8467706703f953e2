#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment
{
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const char* name, const char* value) { Set(name, value); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : m_saved)
        {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    // A null value unsets the variable.
    void Set(const char* name, const char* value)
    {
        if (!m_saved.contains(name))
        {
            const char* old = std::getenv(name);
            m_saved[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};
