#pragma once
// A record of what the program asked the notification area to show, one line per call:
// the action, the title, the text and the timeout, separated by tabs (UTF-8). Tests read
// it where the desktop cannot show or report balloons. It also gets each window handler
// that failed, and at exit the program's peak working set.

#include <fstream>
#include <string>
#include <string_view>

namespace zalvane::app::win {

class ShellTrace {
public:
    // Appends to `path` (UTF-8); a file that cannot be opened records nothing.
    explicit ShellTrace(const std::string& path);

    bool IsOpen() const { return m_file.is_open(); }
    void Write(std::string_view action, std::string_view title, std::string_view text, unsigned timeoutMs);
    // "exception", the message as "0x0402", what the exception said.
    void WriteHandlerFailure(unsigned message, std::string_view what);
    // "exit", then the peak working set in bytes as the system reports it.
    void WriteExit(unsigned long long peakWorkingSet);

private:
    std::ofstream m_file;
};

}  // namespace zalvane::app::win
