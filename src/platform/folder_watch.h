#pragma once
// Waits for the entries of one folder to change (a file left there, renamed into it or
// taken out), so that a reader of the folder looks when there is something to read
// instead of every so often. On Windows a change notification on the folder.

namespace zalvane::platform {

class FolderWatch {
public:
    virtual ~FolderWatch() = default;
    // Waits until the folder's entries may have changed since the last wait returned
    // (since the watch began, for the first): true; false once Stop was called.
    virtual bool WaitForChange() = 0;
    // Ends the wait under way and every later one; from any thread.
    virtual void Stop() = 0;
};

}  // namespace zalvane::platform
