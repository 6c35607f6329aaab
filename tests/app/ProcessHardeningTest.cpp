#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/session/ProcessHardening.h"

namespace korvant {
namespace {

// The front ends hold the password: their process leaves no core dump and
// cannot be read by another process of the user.
TEST(ProcessHardening, TheProcessIsNoLongerDumpable) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool hardened = hardenProcess();
        ::_exit(hardened && prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace korvant
