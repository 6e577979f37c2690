#include "assign/key_capture.h"

#include <utility>

#include "assign/key_codes.h"

namespace zalvane::assign {

std::optional<CapturedKey> CaptureKey(std::uint32_t keyFlags, std::string reportedName, const KeyNameMap& reportedNames)
{
    if (IsKeyRelease(keyFlags)) {
        return std::nullopt;
    }
    std::uint8_t code = UsageFromScanCode(ScanCodeFromKeyFlags(keyFlags));
    if (code == kNoKey) {
        code = KeyCodeFromName(reportedName, reportedNames);
    }
    return CapturedKey{std::move(reportedName), code};
}

bool KeyDialogSwallows(std::uint32_t message, std::uint64_t virtualKey)
{
    const bool keyDown = message == kKeyDownMessage || message == kSysKeyDownMessage;
    const bool keyMessage = keyDown || message == kKeyUpMessage || message == kSysKeyUpMessage;
    if (!keyMessage) {
        return false;
    }
    if (virtualKey == kLeftWindowsKey || virtualKey == kRightWindowsKey) {
        return true;
    }
    return keyDown && (virtualKey == kEnterKey || virtualKey == kEscapeKey || virtualKey == kTabKey);
}

}  // namespace zalvane::assign
