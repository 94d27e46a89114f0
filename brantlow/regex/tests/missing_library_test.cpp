// Runs from a folder without libpcre2-8-0.dll: searching by pattern fails with a clear
// message, and nothing else breaks.
#include "brantlow/regex/perlre.h"

#include <gtest/gtest.h>

namespace {

TEST(PerlreWithoutLibrary, CompileExplainsWhatIsMissing) {
    brantlow::TPerlre re(true, brantlow::TPerlre::kCaseless);
    for (int attempt = 0; attempt < 2; ++attempt) {  // the second attempt reports the same
        try {
            re.Compile("example");
            FAIL() << "compiling without the library must throw";
        } catch (const brantlow::EPerlRe& e) {
            EXPECT_EQ(0u, std::string(e.what()).rfind(
                              "Perlre: cannot load the regular expression library libpcre2-8-0.dll", 0))
                << e.what();
        }
    }
    EXPECT_THROW(re.Exec(), brantlow::EPerlRe);
}

}  // namespace
