#include "win/skin_probe.h"

#include <fstream>

#include "platform/win/module_path.h"
#include "platform/win/wide_text.h"
#include "ui/skin_state.h"
#include "ui/win/skin_image.h"
#include "win/win_test_support.h"

namespace zalvane::wintest {

int RunSkinProbe(const char* skinName, const char* imageName, const char* reportPath)
{
    ui::SkinState skin;
    skin.root = ui::SkinRootFromModulePath(platform::win::Narrow(platform::win::ModuleFilePath()), skinName);
    const std::string path = skin.ImagePath(imageName);
    std::ofstream(reportPath, std::ios::binary) << path;
    PixelSurface surface(4, 4, {0, 0, 0, 255});
    return ui::win::DrawSkinImage(surface.Dc(), platform::win::Widen(path), 0, 0) ? 0 : 1;
}

}  // namespace zalvane::wintest
