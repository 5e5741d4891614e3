#include "painter/paint/caption_layout.h"

namespace bndx {

namespace {

constexpr int32_t kLeftTitleX = 20;
constexpr int32_t kRightTitleGap = 13;
constexpr uint32_t kExDlgModalFrame = 0x00000001;

} // namespace

int32_t TitleX(int32_t alignment, const CaptionRect& caption, int32_t textWidth) {
    switch (alignment) {
    case kAlignLeft:
        return kLeftTitleX;
    case kAlignRight:
        return caption.right - textWidth - caption.left - kRightTitleGap;
    default:
        return (caption.right - textWidth - caption.left) / 2; // truncates toward zero
    }
}

CaptionRect TitleBox(int32_t x, int32_t textWidth, const CaptionRect& caption) {
    return CaptionRect{x - kBoxMargin, caption.top, x + textWidth + kBoxMargin, caption.bottom};
}

int32_t ScrollStart(const CaptionRect& caption) {
    return caption.right - caption.left;
}

bool ScrollHasRunOut(int32_t position, int32_t textWidth, const CaptionRect& caption) {
    return position + textWidth <= 0 || position > ScrollStart(caption);
}

CaptionRect ScrollBox(int32_t position, int32_t textWidth, const CaptionRect& caption) {
    CaptionRect box = caption;
    if (position > caption.left)
        box.left = position - kBoxMargin;
    const int32_t end = position + textWidth;
    if (end < ScrollStart(caption))
        box.right = end + kBoxMargin;
    return box;
}

bool HasIcon(uint32_t windowStyle, uint32_t exStyle) {
    return (windowStyle & style::kSysMenu) && !(exStyle & (style::kExToolWindow | kExDlgModalFrame));
}

ButtonBox IconBox(const CaptionRect& caption) {
    const int32_t height = caption.bottom - caption.top;
    return ButtonBox{caption.left, caption.top, height, height};
}

void StripLeadingWhiteSpace(std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n\v\f");
    text.erase(0, first == std::string::npos ? text.size() : first);
}

} // namespace bndx
