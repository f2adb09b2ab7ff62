#include "Platform.h"

#include "LocaleEnvironment.h"
#include "PortableClock.h"
#include "PortableDateKeys.h"
#include "PortableLocaleFacts.h"
#include "PortablePrivateProfile.h"

Platform& PortablePlatform() {
    static PortablePrivateProfile profile;
    static const PortableDateKeys dateKeys(UserLcidFromEnvironment());
    static const PortableLocaleFacts locale(UserLcidFromEnvironment(), SystemLcidFromEnvironment());
    static const PortableClock clock;
    static Platform platform{profile, dateKeys, locale, clock};
    return platform;
}
