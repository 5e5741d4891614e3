// The picture shown while a program starts: a captionless window at the screen's top left that
// draws one bitmap resource with its palette and goes away by itself after two seconds.
#pragma once

#include "platform/framework/dialog.h"
#include "platform/framework/scoped_gdi.h"

namespace bndx {

class CSplashWnd : public Dialog {
public:
    CSplashWnd(UINT templateId, UINT bitmapId);
    ~CSplashWnd() override;

    // Makes the window and paints it at once; the program's message loop serves it afterwards.
    void Show();

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void PaintContent(HDC dc, const RECT& client) override;

private:
    void Release();

    UniqueBitmap bitmap_;
    UniquePalette palette_;
};

} // namespace bndx
