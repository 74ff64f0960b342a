#include "work_area.h"

#include <algorithm>

bool Contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

PixelRect KeepInside(const PixelRect& rect, const PixelRect& area) {
    const std::int64_t width = std::int64_t{rect.Right} - rect.Left;
    const std::int64_t height = std::int64_t{rect.Bottom} - rect.Top;
    const std::int64_t left =
        std::max<std::int64_t>(std::min<std::int64_t>(rect.Left, area.Right - width), area.Left);
    const std::int64_t top =
        std::max<std::int64_t>(std::min<std::int64_t>(rect.Top, area.Bottom - height), area.Top);
    return PixelRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                     static_cast<std::int32_t>(left + width),
                     static_cast<std::int32_t>(top + height)};
}

bool OnSomeMonitor(const PixelRect& rect, const std::vector<PixelRect>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const PixelRect& m) {
        return std::max(rect.Left, m.Left) < std::min(rect.Right, m.Right) &&
               std::max(rect.Top, m.Top) < std::min(rect.Bottom, m.Bottom);
    });
}
