#include "assign/key_name_map.h"

namespace zalvane::assign {

bool KeyNameMap::Add(ScanCode scan, std::string_view reportedName)
{
    const std::uint8_t usage = UsageFromScanCode(scan);
    if (reportedName.empty() || usage == 0) {
        return false;
    }
    return m_usages.emplace(reportedName, usage).second;  // an existing name keeps its usage
}

std::uint8_t KeyNameMap::UsageOf(std::string_view name) const
{
    const auto found = m_usages.find(name);
    return found == m_usages.end() ? 0 : found->second;
}

KeyNameMap BuildKeyNameMap(const std::function<std::string(ScanCode)>& nameOf)
{
    KeyNameMap map;
    for (const ScanCodeRow& row : ScanCodeTable()) {
        map.Add(row.scan, nameOf(row.scan));
    }
    return map;
}

}  // namespace zalvane::assign
