#pragma once
// Windows to skin in the core tests, and ways to look into what the skin left on them.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_window.h"

namespace skintest {

// A "Form" container holding push buttons, a check-box-style button, a kind-Other window and a
// nested dialog-class container with a deeper button inside.
struct FormTree {
    test::Window form;
    HWND button = nullptr;          // push button, enabled
    HWND disabledButton = nullptr;  // push button, disabled
    HWND checkStyleButton = nullptr;
    HWND other = nullptr;           // a static: kind Other
    HWND nested = nullptr;          // "#32770" child container
    HWND deepButton = nullptr;      // push button inside the nested container
    HWND deepOther = nullptr;       // a static inside the nested container

    std::vector<HWND> All() const;  // every window of the tree, the form last
};

FormTree MakeFormTree();

// The window's current procedure.
WNDPROC ProcOf(HWND window);

// The skin's property names the window carries (the platform may keep others of its own).
std::vector<std::string> SkinPropNames(HWND window);
bool HasSkinProps(HWND window);

// Pixel of a memory surface as 0xRRGGBB.
std::uint32_t Pixel(HDC dc, int x, int y);

// Number of pixels inside the button (3 pixels in from each edge, clear of the rounded corners)
// whose colour on the screen differs from the face surface of the state.
int InteriorDifferences(HWND button, int state);

// Puts the cursor on the middle of the window, or where no window of the test is.
void CursorOnto(HWND window);
void CursorAway();

// Counts the messages of one kind that reach a window's procedure as it is now: install before
// the skin, so the skin's SkinWindowProc passes them on to it.
class MessageCounter {
public:
    MessageCounter(HWND window, UINT message);
    ~MessageCounter();
    int count() const;
    void reset();
};

// Records every GDI object the skin creates while alive.
class CreatedObjects {
public:
    CreatedObjects();
    ~CreatedObjects();
    const std::vector<HGDIOBJ>& objects() const;
    // How many of them were of the type (OBJ_REGION, ...) when they were created.
    int CountOfType(DWORD type) const;
    // Objects among them that still exist (GetObjectType non-zero).
    std::vector<HGDIOBJ> StillAlive() const;
};

}  // namespace skintest
