#include "VersionInfo.h"

#include <windows.h>

#include <cstdio>

#include "CWinApp.h"

VersionInfo VersionInfo::OfProgram() {
    VersionInfo version;
    version.Open(CWinApp::GetModulePath());
    return version;
}

bool VersionInfo::Open(const std::string& path) {
    Close();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return false;

    struct LanguageAndCodePage {
        WORD language;
        WORD codePage;
    };
    void* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &translations, &length) ||
        length < sizeof(LanguageAndCodePage)) {
        return false;
    }
    const auto* first = static_cast<const LanguageAndCodePage*>(translations);
    translation_ = (static_cast<std::uint32_t>(first->language) << 16) | first->codePage;
    data_ = std::move(data);
    return true;
}

void VersionInfo::Close() {
    data_.clear();
    translation_ = 0;
}

std::string VersionInfo::Get(const std::string& name, std::uint32_t translation) const {
    if (data_.empty()) return {};
    char path[256];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%08lx\\%s",
                  static_cast<unsigned long>(translation ? translation : translation_), name.c_str());
    void* value = nullptr;
    UINT length = 0;
    // VerQueryValueA takes a non-const block; it does not write to it.
    if (!VerQueryValueA(const_cast<char*>(data_.data()), path, &value, &length) || !value || length == 0) return {};
    return std::string(static_cast<const char*>(value));
}
