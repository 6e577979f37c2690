#include "skin_set.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "pages/skin_catalogue.h"

namespace zalvane::skingen {

void SkinSet::Add(std::string_view name, Image image)
{
    m_images.insert_or_assign(std::string(name), std::move(image));
}

const Image* SkinSet::Find(std::string_view name) const
{
    const auto it = m_images.find(name);
    return it == m_images.end() ? nullptr : &it->second;
}

std::vector<std::string> SkinSet::Missing() const
{
    std::vector<std::string> missing;
    for (const std::string& name : pages::AllSkinImageNames()) {
        if (!m_images.contains(name)) {
            missing.push_back(name);
        }
    }
    return missing;
}

std::vector<std::string> SkinSet::Unexpected() const
{
    const std::vector<std::string> names = pages::AllSkinImageNames();
    const std::set<std::string, std::less<>> known(names.begin(), names.end());
    std::vector<std::string> unexpected;
    for (const auto& [name, image] : m_images) {
        if (!known.contains(name)) {
            unexpected.push_back(name);
        }
    }
    return unexpected;
}

bool SkinSet::WriteTo(const std::string& root, std::string& error) const
{
    namespace fs = std::filesystem;
    for (const auto& [name, image] : m_images) {
        const fs::path path = fs::path(root) / name.substr(1);
        std::error_code code;
        fs::create_directories(path.parent_path(), code);
        if (code) {
            error = "cannot create " + path.parent_path().string() + ": " + code.message();
            return false;
        }
        if (!WritePng(image, path.string())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace zalvane::skingen
