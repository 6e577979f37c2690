#include "assign/macro_fit_warning.h"

#include <string_view>

#include "language/language_tables.h"

namespace zalvane::assign {
namespace {

using language::SlotText;
using language::TextSlot;

// The cut macro's line: its name and count where the text's "{name}" and "{count}" stand.
std::string LeftOutLine(const MacroCut& cut, language::Language language)
{
    constexpr std::string_view kName = "{name}";
    constexpr std::string_view kCount = "{count}";
    const std::string_view text = SlotText(TextSlot::kMacroEventsLeftOut, language);
    std::string line;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.substr(pos, kName.size()) == kName) {
            line += cut.name;
            pos += kName.size();
        } else if (text.substr(pos, kCount.size()) == kCount) {
            line += std::to_string(cut.eventsLeftOut);
            pos += kCount.size();
        } else {
            line.push_back(text[pos++]);
        }
    }
    return line;
}

}  // namespace

std::optional<std::string> MacroFitWarning(const MacroAreaEncoding& encoding, language::Language language)
{
    if (encoding.cuts.empty() && encoding.macrosLeftOut == 0) {
        return std::nullopt;
    }
    std::string text;
    if (!encoding.cuts.empty()) {
        text = SlotText(TextSlot::kMacrosCutToFit, language);
        for (const MacroCut& cut : encoding.cuts) {
            text.push_back('\n');
            text += LeftOutLine(cut, language);
        }
    }
    if (encoding.macrosLeftOut > 0) {
        if (!text.empty()) {
            text += "\n\n";
        }
        text += SlotText(TextSlot::kOnlyFirstNineteenMacrosSent, language);
    }
    return text;
}

}  // namespace zalvane::assign
