#include "Win32Platform.h"

#include "Win32Clock.h"
#include "Win32DateKeys.h"
#include "Win32LocaleFacts.h"
#include "Win32PrivateProfile.h"

Platform& Win32Platform() {
    static Win32PrivateProfile profile;
    static const Win32DateKeys dateKeys;
    static const Win32LocaleFacts locale;
    static const Win32Clock clock;
    static Platform platform{profile, dateKeys, locale, clock};
    return platform;
}
