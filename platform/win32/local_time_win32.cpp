#include <windows.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

class Win32LocalTime : public LocalTime {
  public:
    std::string GeneralDateNow() const override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char date[80] = {};
        char time[80] = {};
        if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date) ==
                0 ||
            GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, sizeof time) == 0) {
            // Unambiguous even without the locale's help.
            char fallback[40];
            wsprintfA(fallback, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay,
                      now.wHour, now.wMinute, now.wSecond);
            return fallback;
        }
        return std::string(date) + " " + time;
    }

    std::string FileNameStampNow() const override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char stamp[40];
        wsprintfA(stamp, "%04u-%02u-%02u %02u.%02u.%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
        return stamp;
    }
};

}  // namespace

std::unique_ptr<LocalTime> MakeWin32LocalTime() {
    return std::make_unique<Win32LocalTime>();
}

}  // namespace qn::win32
