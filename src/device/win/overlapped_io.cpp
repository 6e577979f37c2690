#include "device/win/overlapped_io.h"

namespace zalvane::device::win {

OverlappedIo::OverlappedIo() noexcept : m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

TransferResult OverlappedIo::Read(HANDLE file, std::span<std::uint8_t> buffer,
                                  std::chrono::milliseconds timeout) noexcept
{
    OVERLAPPED* record = Begin();
    if (!record) {
        return {};
    }
    return Finish(file, ::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, record), timeout);
}

TransferResult OverlappedIo::Write(HANDLE file, std::span<const std::uint8_t> bytes,
                                   std::chrono::milliseconds timeout) noexcept
{
    OVERLAPPED* record = Begin();
    if (!record) {
        return {};
    }
    return Finish(file, ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, record), timeout);
}

OVERLAPPED* OverlappedIo::Begin() noexcept
{
    if (!m_event) {
        return nullptr;
    }
    m_overlapped = OVERLAPPED{};
    m_overlapped.hEvent = m_event.get();
    return &m_overlapped;
}

TransferResult OverlappedIo::Finish(HANDLE file, BOOL started, std::chrono::milliseconds timeout) noexcept
{
    if (!started && ::GetLastError() != ERROR_IO_PENDING) {
        return {TransferResult::Status::kFailed, 0, ::GetLastError()};
    }
    bool timedOut = false;
    if (::WaitForSingleObject(m_event.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        ::CancelIoEx(file, &m_overlapped);
        timedOut = true;
    }
    DWORD bytes = 0;
    // Waits for a cancelled transfer to end: the buffer is the caller's again after this.
    if (::GetOverlappedResult(file, &m_overlapped, &bytes, TRUE)) {
        return {TransferResult::Status::kDone, bytes, 0};
    }
    const DWORD error = ::GetLastError();
    if (timedOut && error == ERROR_OPERATION_ABORTED) {
        return {TransferResult::Status::kTimedOut, 0, 0};
    }
    return {TransferResult::Status::kFailed, 0, error};
}

}  // namespace zalvane::device::win
