#pragma once
// A program that changes a scroll bar from its own code (SetScrollInfo, SetScrollPos,
// SetScrollRange, EnableScrollBar, ShowScrollBar on a list box, say) sends the window no message,
// so a skin-drawn bar would keep its old picture (and a skinned ScrollBar control, which draws
// itself then, the system's look). While any thread has the skin started, the process's modules
// call these functions through the skin, which calls the system's and then brings the window's
// skin-drawn bars up to date. GetScrollInfo goes through the skin too: while the skin tracks a
// thumb, the track position is the one the thumb is dragged to, as while the system tracks one.
// Modules loaded later call the system directly; their changes show at the window's next message.
namespace skin {

void StartScrollCallHooks();
void StopScrollCallHooks();

}  // namespace skin
