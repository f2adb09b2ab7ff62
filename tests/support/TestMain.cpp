#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <stdexcept>

#include "TestPlatform.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        constexpr const char* kFlag = "--services=";
        if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) != 0) continue;
        try {
            SelectTestServices(argv[i] + std::strlen(kFlag));
        } catch (const std::invalid_argument& error) {
            std::cerr << error.what() << '\n';
            return 2;
        }
    }
    std::cout << "Platform services: " << (TestUsesWin32Services() ? "win32" : "portable") << '\n';
    return RUN_ALL_TESTS();
}
