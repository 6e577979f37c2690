#pragma once
// GDI+ for as long as the session object lives (GdiplusStartup / GdiplusShutdown).

#include <cstdint>

namespace zalvane::platform::win {

class GdiplusSession {
public:
    GdiplusSession() noexcept;
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const noexcept { return m_token != 0; }

private:
    std::uintptr_t m_token = 0;
};

}  // namespace zalvane::platform::win
