// The pointer settings reach the system: each value set is the value the system then
// reports (the speed excepted, see below). The test puts the old values back.

#include "platform/win/system_pointer_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace zalvane::platform::win {
namespace {

struct SystemPointerValues {
    std::array<int, 3> mouse{};
    UINT speed = 0;
    UINT wheelLines = 0;
    UINT doubleClick = 0;

    static SystemPointerValues Read()
    {
        SystemPointerValues values;
        ::SystemParametersInfoW(SPI_GETMOUSE, 0, values.mouse.data(), 0);
        ::SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &values.speed, 0);
        ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &values.wheelLines, 0);
        values.doubleClick = ::GetDoubleClickTime();
        return values;
    }
};

class SystemPointerSettingsTest : public testing::Test {
protected:
    ~SystemPointerSettingsTest() override
    {
        settings.SetMouse(m_old.mouse);
        settings.SetMouseSpeed(m_old.speed);
        settings.SetWheelScrollLines(m_old.wheelLines);
        settings.SetDoubleClickTime(m_old.doubleClick);
    }

    SystemPointerSettings settings;

private:
    SystemPointerValues m_old = SystemPointerValues::Read();
};

TEST_F(SystemPointerSettingsTest, EveryValueSetIsWhatTheSystemReports)
{
    struct Case {
        std::array<int, 3> mouse;
        UINT speed;
        UINT wheelLines;
        UINT doubleClick;
    };
    const Case cases[] = {
        {{6, 10, 1}, 1, 3, 900},
        {{0, 0, 0}, 20, platform::kScrollOneScreen, 130},
        {{6, 10, 1}, 12, 9, 550},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(settings.SetMouse(c.mouse));
        EXPECT_TRUE(settings.SetMouseSpeed(c.speed));
        EXPECT_TRUE(settings.SetWheelScrollLines(c.wheelLines));
        EXPECT_TRUE(settings.SetDoubleClickTime(c.doubleClick));
        const SystemPointerValues now = SystemPointerValues::Read();
        EXPECT_EQ(now.mouse, c.mouse);
        // Wine takes the pointer speed without keeping it (it always reads 0), so the speed
        // is only seen accepted here.
        EXPECT_EQ(now.wheelLines, c.wheelLines);
        EXPECT_EQ(now.doubleClick, c.doubleClick);
    }
}

}  // namespace
}  // namespace zalvane::platform::win
