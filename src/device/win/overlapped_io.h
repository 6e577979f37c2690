#pragma once
// One overlapped transfer at a time on a device handle opened with FILE_FLAG_OVERLAPPED,
// waited for with a time limit: a transfer that does not end in time is cancelled, and
// the call returns only once the system no longer touches the buffer.

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/win/unique_handle.h"

namespace zalvane::device::win {

struct TransferResult {
    enum class Status { kDone, kTimedOut, kFailed };
    Status status = Status::kFailed;
    std::size_t bytes = 0;
    DWORD error = 0;  // the system's error code of a failed transfer
};

class OverlappedIo {
public:
    OverlappedIo() noexcept;
    OverlappedIo(const OverlappedIo&) = delete;
    OverlappedIo& operator=(const OverlappedIo&) = delete;

    explicit operator bool() const noexcept { return static_cast<bool>(m_event); }

    TransferResult Read(HANDLE file, std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) noexcept;
    TransferResult Write(HANDLE file, std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout) noexcept;

private:
    // A fresh record for the next transfer; null without an event to wait on.
    OVERLAPPED* Begin() noexcept;
    TransferResult Finish(HANDLE file, BOOL started, std::chrono::milliseconds timeout) noexcept;

    platform::win::UniqueEvent m_event;
    OVERLAPPED m_overlapped{};
};

}  // namespace zalvane::device::win
