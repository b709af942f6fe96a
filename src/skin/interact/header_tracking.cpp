#include "skin/interact/header_tracking.h"

#include <vector>

#include "skin/core/window_props.h"
#include "skin/draw/primitives.h"
#include "skin/interact/pointer_tracking.h"
#include "skin/paint/header_painters.h"

namespace skin {
namespace {

// One look at the header's items for one message: the count is asked once, and the rectangles
// the hit test reads are kept for the items painted afterwards, so that no item's rectangle is
// asked for twice.
class HeaderItems {
public:
    explicit HeaderItems(HWND header) : header_(header), count_(GetHeaderItemCount(header)) {}

    int Count() const { return count_; }

    int HitTest(int x)
    {
        for (int i = 0; i < count_; ++i) {
            RECT item;
            GetHeaderItemRect(header_, i, item);
            read_.push_back(item);
            if (item.left <= x && x <= item.right) return i;
        }
        return -1;
    }

    void Paint(INT_PTR index, INT_PTR state)
    {
        if (index < 0) return;
        const int i = static_cast<int>(index);
        if (static_cast<size_t>(i) < read_.size())
            PaintHeaderItemAt(header_, nullptr, i, read_[i], static_cast<int>(state));
        else
            PaintHeaderItem(header_, nullptr, i, static_cast<int>(state));
    }

private:
    HWND header_;
    int count_;
    std::vector<RECT> read_;  // items 0, 1, ... as far as the hit test got
};

}  // namespace

int HeaderHitTest(HWND header, int x)
{
    return HeaderItems(header).HitTest(x);
}

void HeaderPress(HWND header, LPARAM lParam)
{
    HeaderItems items(header);
    if (items.Count() <= 0) return;  // the pressed item stays as it was
    const int hit = items.HitTest(SignedLoWord(lParam));
    SetSkinProp(header, prop::HdIndex, hit);
    items.Paint(hit, look::Pressed);
}

void HeaderMouseMove(HWND header, WPARAM wParam, LPARAM lParam)
{
    EnterControl(header);
    HeaderItems items(header);
    const int hit = items.HitTest(SignedLoWord(lParam));
    const INT_PTR hot = GetSkinProp(header, prop::HmIndex);
    const INT_PTR pressed = GetSkinProp(header, prop::HdIndex);
    if (hit == hot) return;
    if (hot >= 0 && hot != pressed) items.Paint(hot, look::Normal);
    if (wParam & MK_LBUTTON) {
        // While the button is held the hot item stays the one the press found it on.
        if (hit == pressed) items.Paint(hit, look::Pressed);
        return;
    }
    SetSkinProp(header, prop::HmIndex, hit);
    items.Paint(hit, look::Hot);
}

void HeaderRelease(HWND header)
{
    const INT_PTR released = GetSkinProp(header, prop::HdIndex);
    SetSkinProp(header, prop::HdIndex, -1);
    if (released < 0) return;
    PaintHeaderItem(header, nullptr, static_cast<int>(released),
                    IsCursorOver(header) ? look::Hot : look::Normal);
}

void HeaderMouseLeave(HWND header)
{
    const INT_PTR hot = GetSkinProp(header, prop::HmIndex);
    SetSkinProp(header, prop::MouseFlag, 0);
    SetSkinProp(header, prop::HdIndex, -1);
    SetSkinProp(header, prop::HmIndex, -1);
    if (hot >= 0) PaintHeaderItem(header, nullptr, static_cast<int>(hot), look::Normal);
}

}  // namespace skin
