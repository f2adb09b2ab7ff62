#include "Platform.h"

#include "LocaleEnvironment.h"
#include "PortableServices.h"

Platform& PortablePlatform() {
    static PortableServices services(UserLcidFromEnvironment(), SystemLcidFromEnvironment());
    return services.Get();
}
