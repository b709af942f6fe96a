#pragma once
// OLE (not only COM) on the window thread, which the browser control needs, for as long as the
// session lives. A start-up that fails is reported to the player.
#include <windows.h>
#include <ole2.h>

#include "app/error_report.h"

namespace app {

class OleSession {
public:
    using StartStep = HRESULT(WINAPI*)(LPVOID);
    // start is OleInitialize; tests hand in one that fails.
    explicit OleSession(ErrorReport& errors, StartStep start = OleInitialize);
    ~OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool Ready() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

}  // namespace app
