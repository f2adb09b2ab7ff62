#pragma once

class PrivateProfile;
class DateKeys;
class LocaleFacts;
class Clock;

// The platform services the core reaches; one set is Win32, one is portable.
struct Platform {
    PrivateProfile& profile;
    const DateKeys& dateKeys;
    const LocaleFacts& locale;
    const Clock& clock;
};

// The portable services, for native builds and for checking them under Wine.
Platform& PortablePlatform();
