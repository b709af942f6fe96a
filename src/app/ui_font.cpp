#include "app/ui_font.h"

namespace app {

MessageFont::MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

MessageFont::~MessageFont()
{
    if (font_) DeleteObject(font_);
}

}  // namespace app
