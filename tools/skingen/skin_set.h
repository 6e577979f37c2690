#pragma once
// The images of one skin, by name, while they are being made; and writing them out.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace zalvane::skingen {

class SkinSet {
public:
    // Adds or replaces an image; the name begins with "/" like the program's names.
    void Add(std::string_view name, Image image);
    const Image* Find(std::string_view name) const;
    const std::map<std::string, Image, std::less<>>& Images() const { return m_images; }

    // Names of the catalogue the set lacks, and names it holds that the catalogue lacks.
    std::vector<std::string> Missing() const;
    std::vector<std::string> Unexpected() const;

    // Writes every image under `root` (folders made as needed); false on the first failure.
    bool WriteTo(const std::string& root, std::string& error) const;

private:
    std::map<std::string, Image, std::less<>> m_images;
};

}  // namespace zalvane::skingen
