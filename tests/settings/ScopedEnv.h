#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets or removes an environment variable for the life of the object and
// puts the old value back afterwards, so tests do not leak into each other.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~ScopedEnv() { Set(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

    const char* m_name;
    std::optional<std::string> m_old;
};
