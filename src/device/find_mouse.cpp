#include "device/find_mouse.h"

#include <utility>

namespace zalvane::device {
namespace {

bool IsTheMouse(const HidAttributes& attributes)
{
    return attributes.vendorId == kMouseVendorId && attributes.productId == kMouseProductId;
}

}  // namespace

SearchResult FindMouse(HidBus& bus, ConnectionState& state)
{
    const std::unique_ptr<HidInterfaceList> list = bus.ListInterfaces();
    if (!list) {
        return {SearchEnd::kListFailed, {}};
    }
    for (std::size_t index = 0;; ++index) {
        auto path = list->Path(index);
        if (!path) {
            const bool pastTheEnd = path.error() == HidEnumError::kNoMoreItems;
            return {pastTheEnd ? SearchEnd::kNoMouse : SearchEnd::kEnumFailed, {}};
        }
        state.devicePath = *path;

        // An interface that cannot be opened even for a query ends the search, whether
        // or not it is the mouse's: the search never guesses past an interface.
        std::unique_ptr<HidQuery> query = list->OpenForQuery(index);
        if (!query) {
            return {SearchEnd::kQueryOpenFailed, *path};
        }
        const std::optional<HidAttributes> attributes = query->Attributes();
        if (!attributes || !IsTheMouse(*attributes)) {
            continue;
        }
        const std::optional<HidCapabilities> caps = query->Capabilities();
        query.reset();
        if (!caps) {
            return {SearchEnd::kCapabilitiesFailed, *path};
        }

        if (caps->usage == kEventUsage) {
            if (caps->usagePage == kEventUsagePage && caps->inputReportLength != 0) {
                std::unique_ptr<platform::HidEventPort> port = list->OpenEventInterface(index);
                if (!port) {
                    return {SearchEnd::kEventOpenFailed, *path};
                }
                state.SetEvents({std::move(port), caps->inputReportLength});
            }
            // A collection with usage 1 is never also the command interface.
            continue;
        }
        if (caps->usage == kCommandUsage && caps->usagePage == kCommandUsagePage &&
            caps->featureReportLength == kCommandFeatureLength) {
            std::unique_ptr<platform::HidPort> port = list->OpenCommandInterface(index);
            if (!port) {
                return {SearchEnd::kCommandOpenFailed, *path};
            }
            state.command = {std::move(port), caps->featureReportLength, caps->inputReportLength};
            state.SetConnected(true);
            return {SearchEnd::kFound, *path};
        }
        // Another collection of the mouse, or the right one with other report lengths.
    }
}

}  // namespace zalvane::device
