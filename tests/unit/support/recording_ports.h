#pragma once
// Ports for flow tests: each remembers what it was asked and answers as the test says.

#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace zalvane::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessages final : public platform::MessageBoxPort {
public:
    void Show(const platform::MessageText& message) override
    {
        shown.push_back({std::string(message.text), std::string(message.caption)});
    }
    std::vector<ShownMessage> shown;
};

class RecordingPointer final : public platform::PointerSettingsPort {
public:
    bool SetMouse(const std::array<int, 3>& values) override { return Take(values[0] + 100 * values[1], refuseMouse); }
    bool SetMouseSpeed(std::uint32_t speed) override { return Take(speed, refuseSpeed); }
    bool SetWheelScrollLines(std::uint32_t lines) override { return Take(lines, false); }
    bool SetDoubleClickTime(std::uint32_t time) override { return Take(time, false); }

    std::vector<long long> calls;  // every value asked for, in order
    bool refuseMouse = false;
    bool refuseSpeed = false;

private:
    bool Take(long long value, bool refuse)
    {
        calls.push_back(value);
        return !refuse;
    }
};

class ScriptedFileDialog final : public platform::FileDialogPort {
public:
    std::optional<std::string> Choose(const platform::FileDialogRequest& request) override
    {
        requests.push_back(request);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<platform::FileDialogRequest> requests;
};

class RecordingUi final : public app::FlowUi {
public:
    void ShowWait(app::WaitReason reason) override
    {
        events.push_back(reason == app::WaitReason::kSave ? "wait save" : "wait reset");
    }
    void HideMainWindow() override { events.push_back("hide"); }
    void RefreshMainPage() override { events.push_back("refresh"); }
    std::vector<std::string> events;
};

}  // namespace zalvane::test
