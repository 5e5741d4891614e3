// An add-in that fills every buffer to its last byte and forgets the terminator, as badly
// written ones do; its Configure returns more than 16 bits hold.
#include "addins/foreground_addin.h"

#include <cstring>

namespace {

class CCarelessAddIn : public CForegroundAddIn {
public:
    int BNDX_ADDIN_CALL GetDescription(char* buffer, int size) override {
        std::memset(buffer, 'D', size);
        return size;
    }
    int BNDX_ADDIN_CALL Configure() override { return 0x10007; }
    int BNDX_ADDIN_CALL Reserved() override { return 0; }
    int BNDX_ADDIN_CALL GetText(char* buffer, int size) override {
        std::memset(buffer, 'T', size);
        return size;
    }
};

CCarelessAddIn addIn;

} // namespace

extern "C" __declspec(dllexport) CForegroundAddIn* BNDX_ADDIN_EXPORT_CALL GetForeground(void) {
    return &addIn;
}
