#pragma once
// Message boxes with the system's fixed texts. On Windows a box with an OK button; the
// command-line tool prints one line per box.

#include <string_view>

namespace zalvane::platform {

struct MessageText {
    std::string_view text{};
    // Empty: the box carries the application's name.
    std::string_view caption{};
    // The file the message is about, when there is one. The window's box shows only the
    // fixed text; a line on a terminal names the file as well.
    std::string_view subject{};
    // The system's own words about a failure, when there are any; like the subject, only
    // a line on a terminal shows them.
    std::string_view detail{};
};

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    // Returns once the user has taken note (OK).
    virtual void Show(const MessageText& message) = 0;
};

}  // namespace zalvane::platform
