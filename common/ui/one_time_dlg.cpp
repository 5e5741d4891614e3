#include "common/ui/one_time_dlg.h"

#include "platform/framework/program.h"

namespace bndx {

namespace {

constexpr UINT kTemplate = 153;
constexpr int kSuppressBox = 1043;
constexpr int kHintText = 1044;
constexpr char kSection[] = "OneTimeDialog";

} // namespace

COneTimeDlg::COneTimeDlg(uint32_t stringId, int32_t suppress, HWND parent, ProfileStore& profile)
    : Dialog(kTemplate), hintText_(LoadProgramString(stringId & 0xFFFF)), suppress_(suppress), parent_(parent),
      profile_(profile) {}

void COneTimeDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(kHintText, hintText_);
    dx.Check(kSuppressBox, suppress_);
}

void COneTimeDlg::ShowHint(uint32_t hintId) {
    const std::string key = "NoShow_" + std::to_string(hintId & 0xFFFF);
    if (profile_.ReadInt(kSection, key.c_str(), 0) != 0)
        return;
    DoModal(parent_);
    profile_.WriteInt(kSection, key.c_str(), suppress_);
}

} // namespace bndx
