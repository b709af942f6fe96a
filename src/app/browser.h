#pragma once
// What the launcher window needs of its web browser. The program hosts the platform's browser
// control behind this interface (browser_host.h); tests script it. Every call throws AppError
// when the browser reports a failure.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace app {

// A browser object handed over with an event: the control's own or one of a frame.
class BrowserObject {
public:
    virtual ~BrowserObject() = default;
    // The object's default value (its Name).
    virtual std::wstring Name() = 0;
};

class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // A document has finished loading in the browser or in one of its frames. Must not throw.
    virtual void DocumentComplete(BrowserObject& source) noexcept = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    // Opens the address; no flags, target frame, post data or headers.
    virtual void Navigate(const std::wstring& url) = 0;
    virtual std::wstring LocationURL() = 0;
    virtual std::wstring LocationName() = 0;
    // Default value (Name) of the control's own browser object.
    virtual std::wstring Name() = 0;
    // Moves and sizes the control, in pixels of the parent's client area.
    virtual void Place(const RECT& pixels) = 0;
    // The control's window among its parent's children.
    virtual HWND Window() = 0;
    // Gives the control a look at a keyboard message before it is dispatched; true when the
    // control consumed it.
    virtual bool TranslateAccelerator(MSG& message) = 0;
};

// Creates the browser control as a child of parent at the given pixel rectangle, raising its
// events on events.
using BrowserFactory =
    std::function<std::unique_ptr<Browser>(HWND parent, const RECT& pixels, BrowserEvents& events)>;

}  // namespace app
