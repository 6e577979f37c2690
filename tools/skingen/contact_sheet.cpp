#include "contact_sheet.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "palette.h"

namespace zalvane::skingen {
namespace {

namespace p = palette;

constexpr int kSheetWidth = 2200;
constexpr int kMargin = 24;
constexpr int kGap = 14;
constexpr int kLabelHeight = 16;
constexpr int kHeaderHeight = 30;

std::string Folder(const std::string& name)
{
    const std::size_t slash = name.rfind('/');
    return slash == 0 ? std::string("/") : name.substr(0, slash);
}

std::string Leaf(const std::string& name) { return name.substr(name.rfind('/') + 1); }

struct Cell {
    const std::string* name;
    const Image* image;
    int x = 0;
    int y = 0;
    int width = 0;  // of the cell, label included
};

struct Group {
    std::string folder;
    std::vector<Cell> cells;
    int top = 0;
};

void SetLabelFont(cairo_t* cr, double size)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

double LabelWidth(cairo_t* cr, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// Shelf layout: cells left to right, a new shelf when the row is full.
int Layout(std::vector<Group>& groups, cairo_t* measure)
{
    int y = kMargin;
    for (Group& group : groups) {
        group.top = y;
        y += kHeaderHeight;
        int x = kMargin;
        int shelfHeight = 0;
        for (Cell& cell : group.cells) {
            SetLabelFont(measure, 10);
            const int label = static_cast<int>(LabelWidth(measure, Leaf(*cell.name))) + 2;
            cell.width = std::max(cell.image->Width(), label);
            if (x + cell.width > kSheetWidth - kMargin && x > kMargin) {
                x = kMargin;
                y += shelfHeight + kGap;
                shelfHeight = 0;
            }
            cell.x = x;
            cell.y = y;
            x += cell.width + kGap;
            shelfHeight = std::max(shelfHeight, cell.image->Height() + kLabelHeight);
        }
        y += shelfHeight + kGap * 2;
    }
    return y + kMargin;
}

void Checkerboard(cairo_t* cr, const Rect& area)
{
    FillRect(cr, area, {90, 90, 96});
    SetColour(cr, {120, 120, 128});
    for (int y = area.top; y < area.bottom; y += 8) {
        for (int x = area.left + ((y - area.top) / 8 % 2) * 8; x < area.right; x += 16) {
            cairo_rectangle(cr, x, y, std::min(8, area.right - x), std::min(8, area.bottom - y));
        }
    }
    cairo_fill(cr);
}

}  // namespace

Image RenderContactSheet(const SkinSet& skin, const std::vector<Image>& previews)
{
    std::vector<Group> groups;
    std::vector<std::string> previewNames;
    previewNames.reserve(previews.size());
    for (std::size_t i = 0; i < previews.size(); ++i) {
        previewNames.push_back("preview " + std::to_string(i + 1));
    }
    if (!previews.empty()) {
        groups.push_back({"previews (sample texts in a stand-in font)", {}, 0});
        for (std::size_t i = 0; i < previews.size(); ++i) {
            groups.back().cells.push_back({&previewNames[i], &previews[i]});
        }
    }
    // The skin root first, then each folder in name order.
    std::map<std::string, std::vector<Cell>> folders;
    for (const auto& [name, image] : skin.Images()) {
        folders[Folder(name)].push_back({&name, &image});
    }
    for (auto& [folder, cells] : folders) {
        groups.push_back({folder, std::move(cells), 0});
    }
    // Within a folder, numbered images in numeric order.
    for (Group& group : groups) {
        if (!previews.empty() && group.cells.front().image == &previews.front()) {
            continue;
        }
        std::stable_sort(group.cells.begin(), group.cells.end(), [](const Cell& a, const Cell& b) {
            const std::string la = Leaf(*a.name);
            const std::string lb = Leaf(*b.name);
            const bool na = std::isdigit(static_cast<unsigned char>(la[0])) != 0;
            const bool nb = std::isdigit(static_cast<unsigned char>(lb[0])) != 0;
            if (na && nb) {
                return std::stoi(la) < std::stoi(lb);
            }
            return na && !nb;
        });
    }

    Image scratch(1, 1);
    ContextPtr measure = scratch.Draw();
    const int height = Layout(groups, measure.get());

    Image sheet(kSheetWidth, height);
    ContextPtr holder = sheet.Draw();
    cairo_t* cr = holder.get();
    FillRect(cr, {0, 0, kSheetWidth, height}, {30, 31, 36});
    for (const Group& group : groups) {
        SetLabelFont(cr, 15);
        SetColour(cr, p::kAccentLight);
        cairo_move_to(cr, kMargin, group.top + 18);
        cairo_show_text(cr, (group.folder == "/" ? std::string("/ (skin root)") : group.folder).c_str());
        FillRect(cr, {kMargin, group.top + 24, kSheetWidth - kMargin, group.top + 25}, {70, 72, 80});
        for (const Cell& cell : group.cells) {
            const Rect area = Rect::At({cell.x, cell.y}, cell.image->Extent());
            Checkerboard(cr, area);
            Paste(cr, *cell.image, area.TopLeft());
            SetLabelFont(cr, 10);
            SetColour(cr, {200, 203, 210});
            cairo_move_to(cr, cell.x, area.bottom + 12);
            cairo_show_text(cr, Leaf(*cell.name).c_str());
        }
    }
    return sheet;
}

}  // namespace zalvane::skingen
