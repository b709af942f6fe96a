#pragma once
// The program's message loop: runs until the quit message and returns its exit code.
#include "app/form1.h"

namespace app {

// The window sees each message first (its browser may consume keys for the page); the rest are
// translated (key presses become characters) and dispatched. Returns the quit message's code,
// or 1 when the loop cannot read a message.
int RunMessageLoop(Form1& form);

}  // namespace app
