#pragma once
#include <cstdint>

#include "Platform.h"
#include "PortableClock.h"
#include "PortableDateKeys.h"
#include "PortableLocaleFacts.h"
#include "PortablePrivateProfile.h"

// The portable services of one user locale and one system locale, as a Win32
// system set to those locales would give them.
class PortableServices {
public:
    PortableServices(std::uint32_t userLcid, std::uint32_t systemLcid);
    PortableServices(const PortableServices&) = delete;
    PortableServices& operator=(const PortableServices&) = delete;

    Platform& Get() { return platform_; }

private:
    PortablePrivateProfile profile_;
    PortableDateKeys dateKeys_;
    PortableLocaleFacts locale_;
    PortableClock clock_;
    Platform platform_;
};
