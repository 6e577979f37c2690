#pragma once
// The system's open-file and save-file dialogs, as import and export use them.

#include <optional>
#include <string>
#include <string_view>

namespace zalvane::platform {

// Profiles travel as ".bin" files; the filter is in the system's "text|pattern||" form.
inline constexpr std::string_view kProfileFileFilter = "Gaming Mouse Profile(*.bin)|*.bin||";

enum class FileDialogMode {
    kOpen,  // the file must exist
    kSave,  // asks before overwriting
};

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::kOpen;
    std::string_view filter = kProfileFileFilter;
    // The name the dialog starts with (a whole path); empty for none.
    std::string initialName;
};

class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;
    // The chosen path (UTF-8), or nothing when the user cancelled.
    virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

}  // namespace zalvane::platform
