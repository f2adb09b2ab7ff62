#include "PortableServices.h"

PortableServices::PortableServices(std::uint32_t userLcid, std::uint32_t systemLcid)
    : dateKeys_(userLcid), locale_(userLcid, systemLcid), platform_{profile_, dateKeys_, locale_, clock_} {}
