#include "app/FitVideoRects.h"

#include <cstdint>

VideoRects FitVideoRects(QRect primaryPanel, QRect partnerPanel, std::optional<QSize> picture)
{
    VideoRects rects{primaryPanel, partnerPanel};
    if (!picture || picture->isEmpty())
        return rects;
    // 64-bit products: a 4K picture times a large panel passes 2^31.
    const std::int64_t pw = picture->width();
    const std::int64_t ph = picture->height();
    const std::int64_t w = primaryPanel.width();
    const std::int64_t h = primaryPanel.height();
    if (h * pw > w * ph) {
        const int height = static_cast<int>(w * ph / pw);
        const int offset = static_cast<int>((h - height) / 2);
        rects.primary = QRect(primaryPanel.left(), primaryPanel.top() + offset, primaryPanel.width(), height);
        rects.partner = QRect(partnerPanel.left(), partnerPanel.top() + offset, partnerPanel.width(), height);
    } else if (h * pw < w * ph) {
        const int width = static_cast<int>(h * pw / ph);
        const int offset = static_cast<int>((w - width) / 2);
        rects.primary = QRect(primaryPanel.left() + offset, primaryPanel.top(), width, primaryPanel.height());
        rects.partner = QRect(partnerPanel.left() + offset, partnerPanel.top(), width, partnerPanel.height());
    }
    return rects;
}
