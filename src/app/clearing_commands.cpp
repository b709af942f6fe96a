#include "app/clearing_commands.h"

#include <windows.h>

namespace app {

void StartClearing(ProcessStarter& starter, const wchar_t* commandLine)
{
    starter.Start(commandLine, SW_SHOWMINIMIZED);
}

void StartDeleteCache(ProcessStarter& starter)
{
    for (const wchar_t* line : DeleteCacheLines) StartClearing(starter, line);
}

}  // namespace app
