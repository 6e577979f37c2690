// Zalvane.exe: the configuration utility of the Zalvane Gaming Mouse.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/program_options.h"
#include "app/win/vornic_app.h"
#include "platform/win/message_box.h"
#include "platform/win/unique_handle.h"
#include "platform/win/wide_text.h"

namespace {

constexpr int kUsageError = 2;

std::vector<std::string> Arguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    const zalvane::platform::win::UniqueLocalMemory<wchar_t*> words(::CommandLineToArgvW(::GetCommandLineW(), &count));
    if (!words) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(zalvane::platform::win::Narrow(words.get()[i]));
    }
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::vector<std::string> arguments = Arguments();
    auto options = zalvane::app::ParseProgramOptions(arguments);
    if (!options) {
        zalvane::platform::win::ShowMessage(nullptr, zalvane::platform::win::Widen(options.error()));
        return kUsageError;
    }
    zalvane::app::win::CVornicApp app(std::move(*options));
    return app.Run();
}
