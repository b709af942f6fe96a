#include "app/ole_session.h"

namespace app {

OleSession::OleSession(ErrorReport& errors, StartStep start) : result_(start(nullptr))
{
    if (!Ready()) errors.Report(nullptr, AppError(L"无法初始化系统组件（OLE）。", result_).Message());
}

OleSession::~OleSession()
{
    if (Ready()) OleUninitialize();
}

}  // namespace app
