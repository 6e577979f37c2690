#pragma once
// What the skinned dialogs' tests share: a stand-in for the main window that keeps the
// messages posted to it, a skin folder of one-colour images, and the message pump.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/skin_state.h"
#include "ui/win/window.h"
#include "win/png_writer.h"
#include "win/win_test_support.h"

namespace zalvane::wintest {

struct PostedMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

// A borderless window of the main window's size; it keeps every private message it gets.
class MainHost : public ui::win::CWindow {
public:
    MainHost();
    std::vector<PostedMessage> posted;

protected:
    bool OnRegisteredMessage(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
    std::span<const ui::win::MessageEntry> Messages() const override;

private:
    LRESULT OnProfileDialog(WPARAM wParam, LPARAM lParam);
};

// Runs the messages that are waiting, through the program's own pump.
void Pump();

// A skin folder in a temporary folder; images of one colour.
class SkinFolder {
public:
    SkinFolder();
    const ui::SkinState& Skin() const { return m_skin; }
    const TempDir& Folder() const { return m_folder; }
    // `name` as the skin names it ("/Config/Config.png").
    void Image(const std::string& name, int width, int height, TestPixel colour);

private:
    TempDir m_folder;
    ui::SkinState m_skin;
};

// A left press and release at a client point of `window`, as sent messages.
void Click(HWND window, int x, int y);

// The window's rectangle in its parent's client pixels.
RECT RectInParent(HWND window);

}  // namespace zalvane::wintest
