#include "app/win/shell_trace.h"

#include <cstdio>

#include "platform/file_io.h"

namespace zalvane::app::win {

ShellTrace::ShellTrace(const std::string& path) : m_file(platform::PathFromUtf8(path), std::ios::app | std::ios::binary)
{
}

void ShellTrace::Write(std::string_view action, std::string_view title, std::string_view text, unsigned timeoutMs)
{
    if (!m_file.is_open()) {
        return;
    }
    m_file << action << '\t' << title << '\t' << text << '\t' << timeoutMs << '\n';
    m_file.flush();
}

void ShellTrace::WriteHandlerFailure(unsigned message, std::string_view what)
{
    char name[16] = {};
    static_cast<void>(std::snprintf(name, sizeof name, "0x%04X", message));  // 16 is room for any UINT
    Write("exception", name, what, 0);
}

void ShellTrace::WriteExit(unsigned long long peakWorkingSet)
{
    if (!m_file.is_open()) {
        return;
    }
    m_file << "exit\tpeak-working-set\t" << peakWorkingSet << "\t0\n";
    m_file.flush();
}

}  // namespace zalvane::app::win
