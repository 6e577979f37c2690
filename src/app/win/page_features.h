#pragma once
// The main page's features that live in dialogs of their own: the button-assignment lists,
// the macro manager, the help panel and the profile dialog. The page routes their clicks
// (pages/page_actions.h) to the objects below; each is made by its Make... function, which
// its feature's own file defines (assignment_feature.cpp, macro_manager_feature.cpp,
// help_feature.cpp, config_feature.cpp). A feature that is not there yet is null, and its
// clicks do nothing.

#include <windows.h>

#include <functional>
#include <memory>

#include "app/app_state.h"
#include "pages/assignment_rows.h"
#include "pages/main_page.h"
#include "ui/canvas.h"
#include "ui/skin_state.h"

namespace zalvane::app::win {

// What a feature may ask of the main window.
class PageWindow {
public:
    virtual ~PageWindow() = default;
    virtual HWND Window() const = 0;
    // Draws on the main page's picture (the window's kept background, with the main font
    // and the skin's text colour set) and shows the result in one block copy.
    virtual void DrawOnPage(const std::function<void(ui::Canvas&)>& draw) = 0;
    // Closes the page's transient controls (the stage swatches, the scroll-lines box,
    // every open list; the thumb goes back to the top) and draws the whole page again
    // from the current state.
    virtual void RefreshPage() = 0;
};

// Everything a feature is made with; it all lives as long as the main window.
struct FeatureContext {
    PageWindow& window;
    AppState& state;
    FlowPorts& ports;
    pages::MainPage& page;  // HelpClosed(), ConfigClosed() when a dialog ends by itself
    const ui::SkinState& skin;
    HFONT mainFont = nullptr;
    HFONT valueFont = nullptr;
};

// The button-assignment rows: drawn on the open panel (pages::AssignmentRows, given to
// the page) and their function lists.
class AssignmentFeature : public pages::AssignmentRows {
public:
    // Row `row` (1..12) was clicked while "Button Assignment" is open; `view` says which
    // button it stands for (rows 8..12 always answer for the side view).
    virtual void OpenRowList(int row, pages::MouseView view) = 0;
    // A click fell outside row `row` and its list area: that row's open lists close.
    virtual void CloseRowLists(int row) = 0;
};

class MacroManagerFeature {
public:
    virtual ~MacroManagerFeature() = default;
    // The macro manager, modal; on OK its macro table replaces the record's macro area.
    virtual void Open() = 0;
};

class HelpFeature {
public:
    virtual ~HelpFeature() = default;
    // The help panel, modeless under the Help button; false when it could not be made.
    // When it ends by itself it tells the page (MainPage::HelpClosed).
    virtual bool Open() = 0;
    virtual void Close() = 0;
};

class ConfigFeature {
public:
    virtual ~ConfigFeature() = default;
    // The profile dialog, modeless; false when it could not be made. When it ends it tells
    // the page (MainPage::ConfigClosed).
    virtual bool Open() = 0;
};

std::unique_ptr<AssignmentFeature> MakeAssignmentFeature(const FeatureContext& context);
std::unique_ptr<MacroManagerFeature> MakeMacroManagerFeature(const FeatureContext& context);
std::unique_ptr<HelpFeature> MakeHelpFeature(const FeatureContext& context);
std::unique_ptr<ConfigFeature> MakeConfigFeature(const FeatureContext& context);

}  // namespace zalvane::app::win
