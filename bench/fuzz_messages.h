#pragma once
// Which messages the fuzz program sends and what it gives each as wParam and lParam.
#include <windows.h>

#include <vector>

namespace fuzz {

// How the arguments of a message are made.
enum class Shape {
    Plain,        // random wParam and lParam
    Left,         // not sent (see LeftOut in fuzz_messages.cpp for why)
    Buffer,       // lParam points to a zeroed buffer of ample size
    BothBuffers,  // wParam and lParam each point to one
    Text,         // lParam points to a short NUL-terminated string
    TextOut,      // lParam points to a buffer, wParam is a count that fits it
    ItemTextOut,  // lParam points to a buffer that holds any item text, wParam is an index
    LineOut,      // EM_GETLINE: the buffer's first word says how much fits
    BoundedArray, // wParam is a count that fits the buffer lParam points to
    SizedRecord,  // lParam points to a buffer whose first DWORD is its size
    Font,         // wParam is 0 or a real font
    Dc,           // wParam is 0 or a real device context: the platform's drawing calls crash on
                  // some random values that look like metafile contexts
    Region,       // wParam is 1 (the whole window), 0 or a real region
    Key,          // wParam a virtual key, never one that opens a menu
    RedrawOn,     // WM_SETREDRAW: wParam non-zero; FALSE clears WS_VISIBLE, and an option button
                  // clicked while invisible walks its group for ever
    Margins,      // EM_SETMARGINS: margins of up to 40 pixels (the edit scrolls its caret for
                  // ever when they leave it no room)
    NcCalcSize,   // an NCCALCSIZE_PARAMS whose WINDOWPOS pointer is valid
    WindowPos,    // a WINDOWPOS with random fields for the target window
};

Shape ShapeOf(UINT message);

// Whether the message would click an auto option button that is disabled or hidden. The
// platform's button then looks through its group for itself, skipping disabled and hidden
// windows, and never stops; a person cannot click such a button, so the fuzz does not either.
bool ClicksUnreachableOption(HWND target, UINT message, WPARAM wParam);

// A press sent to a control that tracks it in a loop of its own (a scroll bar, a list or tree
// view) waits for a release that no message brings: the system's controls do so without the skin.
bool WaitsForRelease(HWND target, UINT message);

// Every message the skin's window procedure routes.
const std::vector<UINT>& RoutedMessages();

}  // namespace fuzz
