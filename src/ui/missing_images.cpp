#include "ui/missing_images.h"

#include <algorithm>

namespace zalvane::ui {

bool MissingImageCanvas::DrawImage(const std::string& path, int x, int y)
{
    const bool drawn = m_inner.DrawImage(path, x, y);
    if (!drawn && std::ranges::find(m_missing, path) == m_missing.end()) {
        m_missing.push_back(path);
    }
    return drawn;
}

std::vector<std::string> MissingImageNotes::NotYetTold(const std::vector<std::string>& missing)
{
    std::vector<std::string> news;
    for (const std::string& path : missing) {
        if (m_told.insert(path).second) {
            news.push_back(path);
        }
    }
    return news;
}

}  // namespace zalvane::ui
