// The form of a background document: its description, its default text colour among sixteen
// swatches, its image, and a preview strip exactly one caption bar high with "Sample Title"
// written over the image in the chosen colour.
#pragma once

#include "platform/framework/doc_template.h"
#include "editor/views/editor_form_view.h"

#include <cstdint>
#include <string>

namespace bndx {

class CBackgroundDoc;

class CBackgroundView : public EditorFormView {
public:
    static const RuntimeClass<View> Class;

    CBackgroundView();

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, LPARAM hint) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnSize(int width, int height) override;
    // Draws the swatches of the colour list.
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
    // Draws the image and "Sample Title" inside the preview frame.
    void PaintContent(HDC dc, const RECT& client) override;

private:
    CBackgroundDoc& Document() const;
    void OnDescriptionChanged();
    void OnColourChanged();
    void OnSetImage();

    std::string m_strDescription;
    int32_t m_nColor = -1;
    // Set while the members are shown in the controls: the changes that raises are not the user's.
    bool filling_ = false;
};

} // namespace bndx
