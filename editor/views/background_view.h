// The form of a background document: its description, its default text colour among sixteen
// swatches, its image, and a preview strip exactly one caption bar high with "Sample Title"
// written over the image in the chosen colour.
#pragma once

#include "common/file_headers.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/view.h"

#include <string>

namespace bndx {

class CBackgroundDoc;

class CBackgroundView : public FormView {
public:
    static const RuntimeClass<View> Class;

    CBackgroundView();

    void OnInitialUpdate() override;
    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    CBackgroundDoc& Document() const;
    void OnDescriptionChanged();
    void OnColourChanged();
    void OnSetImage();
    void OnDraw();
    void OnSize(int width);
    void DrawSwatch(const DRAWITEMSTRUCT& item);
    RECT ControlRect(int id) const;

    std::string m_strDescription;
    int32_t m_nColor = -1;
    BackgroundFileHeader* m_pHeader = nullptr;
    bool filling_ = false;
};

} // namespace bndx
