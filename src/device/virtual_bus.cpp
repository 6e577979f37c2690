#include "device/virtual_bus.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "device/virtual_hid_port.h"
#include "device/virtual_mouse_store.h"

namespace zalvane::device {

struct VirtualBusHub {
    VirtualBusHub(const std::string& folder, const VirtualMouseMemory& memory, bool isPlugged)
        : store(folder), control(folder), mouse(memory), plugged(isPlugged)
    {
    }

    // The ports of one plug-in stay usable until the mouse is unplugged. Call with the
    // lock held.
    bool Alive(std::uint64_t portGeneration) const { return plugged && portGeneration == generation; }

    // Ends the event reads under way: a report came, or the mouse went. Lock held.
    void WakeReaders()
    {
        eventQueued.notify_all();
        for (platform::WakeEvent* wake : waitingReads) {
            wake->Set();
        }
    }

    std::mutex mutex;
    std::condition_variable eventQueued;
    VirtualMouseStore store;
    VirtualControlFolder control;
    VirtualMouse mouse;
    bool plugged;
    std::uint64_t generation = 0;  // counts unplugs
    std::optional<std::string> problem;
    std::vector<platform::WakeEvent*> waitingReads;  // of the event reads under way
};

namespace {

enum class Role { kOther, kMouseCollection, kEvent, kCommand };

struct VirtualInterface {
    std::string_view path;
    Role role;
    HidAttributes attributes;
    HidCapabilities caps;

    bool OfTheMouse() const { return role != Role::kOther; }
};

constexpr VirtualInterface kKeyboard{
    R"(\\?\HID#VID_1D57&PID_0005&MI_00#8&2c1a7f3&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kOther,
    {0x1D57, 0x0005},
    {0x0001, 0x0006, 9, 2, 0}};
constexpr VirtualInterface kPointer{
    R"(\\?\HID#VID_04D9&PID_A11B&MI_00#8&1b3e22c0&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kMouseCollection,
    {0x04D9, 0xA11B},
    {0x0001, 0x0002, 8, 0, 0}};
constexpr VirtualInterface kConsumerControl{
    R"(\\?\HID#VID_04D9&PID_A11B&MI_01&Col01#8&2f81d0a4&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kMouseCollection,
    {0x04D9, 0xA11B},
    {0x000C, 0x0001, 3, 0, 0}};
constexpr VirtualInterface kOtherMouse{
    R"(\\?\HID#VID_2A7F&PID_0101#7&3a09b1d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kOther,
    {0x2A7F, 0x0101},
    {0x0001, 0x0002, 5, 0, 0}};
constexpr VirtualInterface kEventInterface{
    R"(\\?\HID#VID_04D9&PID_A11B&MI_01&Col02#8&2f81d0a4&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kEvent,
    {0x04D9, 0xA11B},
    {0xFF01, 0x0001, kEventReportSize, 0, 0}};
constexpr VirtualInterface kCommandInterface{
    R"(\\?\HID#VID_04D9&PID_A11B&MI_02#8&9c4e51f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
    Role::kCommand,
    {0x04D9, 0xA11B},
    {0xFF00, 0xFF00, kOutputReportSize, kOutputReportSize, kFeatureReportSize}};

// The mouse's collections that take no part in configuration come first, and another
// maker's mouse stands between them and the two the search opens.
constexpr std::array<const VirtualInterface*, 6> kInterfaces = {&kKeyboard,   &kPointer,        &kConsumerControl,
                                                                &kOtherMouse, &kEventInterface, &kCommandInterface};

class VirtualQuery final : public HidQuery {
public:
    explicit VirtualQuery(const VirtualInterface& entry) : m_entry(entry) {}
    std::optional<HidAttributes> Attributes() override { return m_entry.attributes; }
    std::optional<HidCapabilities> Capabilities() override { return m_entry.caps; }

private:
    const VirtualInterface& m_entry;
};

class VirtualCommandPort final : public platform::HidPort {
public:
    VirtualCommandPort(std::shared_ptr<VirtualBusHub> hub, std::uint64_t generation)
        : m_hub(std::move(hub)),
          m_generation(generation),
          m_inner(m_hub->mouse, Persist(*m_hub)),
          m_unplugWatch(m_hub->store)
    {
    }

    // An unplug ends the port: a feature report is refused, a write fails and a read
    // times out, also when another process unplugged the mouse through the state folder.
    bool SendFeatureReport(std::span<const std::uint8_t> report) override
    {
        std::lock_guard lock(m_hub->mutex);
        return Alive() && m_inner.SendFeatureReport(report);
    }
    bool GetFeatureReport(std::span<std::uint8_t> report) override
    {
        std::lock_guard lock(m_hub->mutex);
        return Alive() && m_inner.GetFeatureReport(report);
    }
    bool WriteOutputReport(std::span<const std::uint8_t> report) override
    {
        std::lock_guard lock(m_hub->mutex);
        return Alive() && m_inner.WriteOutputReport(report);
    }
    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer,
                                               std::chrono::milliseconds timeout) override
    {
        std::lock_guard lock(m_hub->mutex);
        if (!Alive()) {
            return std::nullopt;  // the interface has gone, as a pulled cable leaves it
        }
        return m_inner.ReadInputReport(buffer, timeout);
    }

private:
    // Called by the inner port with the lock held.
    static VirtualHidPort::PersistFunction Persist(VirtualBusHub& hub)
    {
        return [&hub](const VirtualMouseMemory& memory) {
            auto saved = hub.store.Save(memory);
            if (!saved && !hub.problem) {
                hub.problem = saved.error();
            }
            return saved.has_value();
        };
    }

    // Call with the lock held.
    bool Alive() { return m_hub->Alive(m_generation) && !m_unplugWatch.Unplugged(); }

    std::shared_ptr<VirtualBusHub> m_hub;
    std::uint64_t m_generation;
    VirtualHidPort m_inner;
    UnplugWatch m_unplugWatch;
};

// A read ends when a report is queued or the mouse goes; either sets the reader's wake
// event, as the system completes an overlapped read.
class VirtualEventPort final : public platform::HidEventPort {
public:
    VirtualEventPort(std::shared_ptr<VirtualBusHub> hub, std::uint64_t generation)
        : m_hub(std::move(hub)), m_generation(generation)
    {
    }
    ~VirtualEventPort() override { CancelRead(); }
    VirtualEventPort(const VirtualEventPort&) = delete;
    VirtualEventPort& operator=(const VirtualEventPort&) = delete;

    bool StartRead(std::size_t reportLength, platform::WakeEvent& wake) override
    {
        std::lock_guard lock(m_hub->mutex);
        if (m_wake != nullptr || !m_hub->Alive(m_generation)) {
            return false;
        }
        m_wake = &wake;
        m_reportLength = reportLength;
        m_hub->waitingReads.push_back(&wake);
        if (m_hub->mouse.HasEvent()) {
            wake.Set();
        }
        return true;
    }

    bool ReadEnded() override
    {
        std::lock_guard lock(m_hub->mutex);
        return m_wake != nullptr && Ended();
    }

    std::optional<std::size_t> FinishRead(std::span<std::uint8_t> buffer) override
    {
        std::unique_lock lock(m_hub->mutex);
        if (m_wake == nullptr) {
            return std::nullopt;
        }
        m_hub->eventQueued.wait(lock, [this] { return Ended(); });
        Forget();
        if (!m_hub->Alive(m_generation)) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> report(std::max<std::size_t>(m_reportLength, 1), 0);
        const std::size_t count = std::min(m_hub->mouse.ReadEvent(report), buffer.size());
        std::copy_n(report.begin(), count, buffer.begin());
        return count;
    }

    void CancelRead() override
    {
        std::lock_guard lock(m_hub->mutex);
        Forget();
    }

private:
    // Lock held.
    bool Ended() const { return !m_hub->Alive(m_generation) || m_hub->mouse.HasEvent(); }
    void Forget()
    {
        if (m_wake == nullptr) {
            return;
        }
        auto& waiting = m_hub->waitingReads;
        if (const auto found = std::find(waiting.begin(), waiting.end(), m_wake); found != waiting.end()) {
            waiting.erase(found);
        }
        m_wake = nullptr;
    }

    std::shared_ptr<VirtualBusHub> m_hub;
    std::uint64_t m_generation;
    platform::WakeEvent* m_wake = nullptr;  // of the read under way
    std::size_t m_reportLength = 0;
};

class VirtualInterfaceList final : public HidInterfaceList {
public:
    explicit VirtualInterfaceList(std::shared_ptr<VirtualBusHub> hub) : m_hub(std::move(hub))
    {
        std::lock_guard lock(m_hub->mutex);
        m_generation = m_hub->generation;
        const bool plugged = m_hub->plugged;
        std::copy_if(kInterfaces.begin(), kInterfaces.end(), std::back_inserter(m_entries),
                     [&](const VirtualInterface* entry) { return plugged || !entry->OfTheMouse(); });
    }

    std::expected<std::string, HidEnumError> Path(std::size_t index) override
    {
        if (index >= m_entries.size()) {
            return std::unexpected(HidEnumError::kNoMoreItems);
        }
        return std::string(m_entries[index]->path);
    }

    std::unique_ptr<HidQuery> OpenForQuery(std::size_t index) override
    {
        const VirtualInterface* entry = Present(index);
        return entry != nullptr ? std::make_unique<VirtualQuery>(*entry) : nullptr;
    }

    std::unique_ptr<platform::HidEventPort> OpenEventInterface(std::size_t index) override
    {
        const VirtualInterface* entry = Present(index);
        if (entry == nullptr || entry->role != Role::kEvent) {
            return nullptr;
        }
        return std::make_unique<VirtualEventPort>(m_hub, m_generation);
    }

    std::unique_ptr<platform::HidPort> OpenCommandInterface(std::size_t index) override
    {
        const VirtualInterface* entry = Present(index);
        if (entry == nullptr || entry->role != Role::kCommand) {
            return nullptr;
        }
        std::lock_guard lock(m_hub->mutex);
        return std::make_unique<VirtualCommandPort>(m_hub, m_generation);
    }

private:
    // The entry, unless it is gone since the list was taken (the mouse was unplugged).
    const VirtualInterface* Present(std::size_t index) const
    {
        if (index >= m_entries.size()) {
            return nullptr;
        }
        const VirtualInterface* entry = m_entries[index];
        std::lock_guard lock(m_hub->mutex);
        return !entry->OfTheMouse() || m_hub->Alive(m_generation) ? entry : nullptr;
    }

    std::shared_ptr<VirtualBusHub> m_hub;
    std::uint64_t m_generation = 0;
    std::vector<const VirtualInterface*> m_entries;
};

}  // namespace

std::expected<VirtualBus, std::string> VirtualBus::Open(const std::string& folder)
{
    const VirtualMouseStore store(folder);
    auto memory = store.Load();
    if (!memory) {
        return std::unexpected(memory.error());
    }
    auto plugged = store.LoadPlugged();
    if (!plugged) {
        return std::unexpected(plugged.error());
    }
    return VirtualBus(std::make_shared<VirtualBusHub>(folder, *memory, *plugged));
}

std::unique_ptr<HidInterfaceList> VirtualBus::ListInterfaces() { return std::make_unique<VirtualInterfaceList>(m_hub); }

bool VirtualBus::Plugged() const
{
    std::lock_guard lock(m_hub->mutex);
    return m_hub->plugged;
}

bool VirtualBus::SetPlugged(bool plugged)
{
    std::lock_guard lock(m_hub->mutex);
    if (m_hub->plugged == plugged) {
        return false;
    }
    m_hub->plugged = plugged;
    if (plugged) {
        // Powered up afresh: only what it keeps in flash survives.
        m_hub->mouse = VirtualMouse(m_hub->mouse.Memory());
    } else {
        ++m_hub->generation;
        m_hub->WakeReaders();
    }
    return true;
}

bool VirtualBus::InjectEvent(std::uint8_t code, std::uint8_t value)
{
    std::lock_guard lock(m_hub->mutex);
    if (!m_hub->plugged) {
        return false;
    }
    m_hub->mouse.QueueEvent(code, value);
    m_hub->WakeReaders();
    return true;
}

bool VirtualBus::Apply(const ControlRequest& request)
{
    switch (request.kind) {
        case ControlRequest::Kind::kPlug:
            return SetPlugged(true);
        case ControlRequest::Kind::kUnplug:
            return SetPlugged(false);
        case ControlRequest::Kind::kEvent:
            return InjectEvent(request.code, request.value);
    }
    return false;
}

std::optional<std::expected<VirtualBus::ControlStep, std::string>> VirtualBus::PollControl()
{
    auto taken = m_hub->control.TakeNext();
    if (!taken) {
        return std::nullopt;
    }
    if (!*taken) {
        return std::unexpected(taken->error());
    }
    const ControlRequest request = **taken;
    return ControlStep{request, Apply(request)};
}

void VirtualBus::ServeControl(platform::FolderWatch& watch, const std::function<void(const ControlStep&)>& applied)
{
    do {
        while (auto step = PollControl()) {
            // A file that held no request is gone; the next one may be fine.
            if (step->has_value()) {
                applied(**step);
            }
        }
    } while (watch.WaitForChange());
}

std::size_t VirtualBus::DiscardControlRequests() { return m_hub->control.DiscardPending(); }

std::expected<std::string, std::string> VirtualBus::PrepareControlFolder() { return m_hub->control.Create(); }

std::string_view VirtualBus::MouseInterfacePath() { return kCommandInterface.path; }

VirtualMouseMemory VirtualBus::Memory() const
{
    std::lock_guard lock(m_hub->mutex);
    return m_hub->mouse.Memory();
}

std::optional<std::string> VirtualBus::Problem() const
{
    std::lock_guard lock(m_hub->mutex);
    return m_hub->problem;
}

std::expected<void, std::string> PostPlugged(const std::string& folder, bool plugged)
{
    if (auto saved = VirtualMouseStore(folder).SavePlugged(plugged); !saved) {
        return saved;
    }
    const auto kind = plugged ? ControlRequest::Kind::kPlug : ControlRequest::Kind::kUnplug;
    return VirtualControlFolder(folder).Post(ControlRequest{kind});
}

std::expected<void, std::string> PostEvent(const std::string& folder, std::uint8_t code, std::uint8_t value)
{
    return VirtualControlFolder(folder).Post(ControlRequest{ControlRequest::Kind::kEvent, code, value});
}

}  // namespace zalvane::device
