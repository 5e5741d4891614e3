// Date and Time: an add-in foreground that scrolls the current time and date, written the way
// the user's regional settings write them.
#include "addins/foreground_addin.h"

#include <windows.h>

#include <cstdio>

namespace {

class CDateTimeAddIn : public CForegroundAddIn {
public:
    int BNDX_ADDIN_CALL GetDescription(char* buffer, int size) override { return Copy("Date and Time", buffer, size); }

    int BNDX_ADDIN_CALL Configure() override {
        MessageBoxA(nullptr,
                    "Date and Time shows the time and the date in the formats of your regional settings. "
                    "Change them in the Control Panel.",
                    "Date and Time", MB_OK | MB_ICONINFORMATION);
        return 1;
    }

    int BNDX_ADDIN_CALL Reserved() override { return 0; }

    int BNDX_ADDIN_CALL GetText(char* buffer, int size) override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char time[64];
        char date[128];
        if (!GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &now, nullptr, time, sizeof(time)))
            time[0] = '\0';
        if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &now, nullptr, date, sizeof(date)))
            date[0] = '\0';
        char text[256];
        std::snprintf(text, sizeof(text), "It is %s on %s.", time, date);
        return Copy(text, buffer, size);
    }

private:
    static int Copy(const char* text, char* buffer, int size) {
        if (size <= 0)
            return 0;
        lstrcpynA(buffer, text, size);
        return 1;
    }
};

CDateTimeAddIn addIn;

} // namespace

extern "C" __declspec(dllexport) CForegroundAddIn* BNDX_ADDIN_EXPORT_CALL GetForeground(void) {
    return &addIn;
}
