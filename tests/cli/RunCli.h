#pragma once

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

struct CliResult {
    int status = -1;
    std::string out;
};

// Runs the built tavrel-cli with `args` (each quoted for the shell) and
// collects its standard output; standard error goes to the test log.
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& env = "")
{
    std::string command = env + " '" TAVREL_CLI_PATH "'";
    for (const std::string& a : args) {
        command += " '";
        for (const char c : a)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot start tavrel-cli");
    CliResult result;
    std::array<char, 4096> buf{};
    while (const std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe))
        result.out.append(buf.data(), n);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}
