#include <gtest/gtest.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // CTest reads the list of test names from our stdout; text mode would end each with CR.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
