// The New dialog: which kind of document to make, when a program has several.
#pragma once

#include "platform/framework/dialog.h"

#include <string>
#include <vector>

namespace bndx {

class NewTypeDialog : public Dialog {
public:
    explicit NewTypeDialog(std::vector<std::string> names);
    // The chosen row after OK.
    int Chosen() const { return chosen_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void DoDataExchange(DataExchange& dx) override;

private:
    std::vector<std::string> names_;
    int32_t chosen_ = 0;
};

} // namespace bndx
