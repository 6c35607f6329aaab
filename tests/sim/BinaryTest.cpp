#include <sys/wait.h>

#include "SimTestClient.h"
#include "support/SimProcess.h"

// The built program itself: started on port 0, it names its address on the
// first line, serves the desk's login and ends cleanly on SIGTERM.
namespace korvant::sim::test {
namespace {

TEST(SimBinary, StartsServesTheLoginAndStopsOnSigterm) {
    korvant::test::SimProcess sim("demo");
    ASSERT_TRUE(sim.ok()) << sim.error();
    EXPECT_EQ(sim.host(), "127.0.0.1");
    SimClient client(sim.port());
    Reply r = client.login("admin", "admin");
    ASSERT_EQ(r.size(), 44);
    EXPECT_EQ(r.u32(40), 0xFFFFFu);
    int status = sim.stop();
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(SimBinary, LargeDataSetServesItsCounts) {
    korvant::test::SimProcess sim("large", {"--seed", "9"});
    ASSERT_TRUE(sim.ok()) << sim.error();
    SimClient client(sim.port());
    ASSERT_EQ(client.login("admin", "admin").size(), 44);
    EXPECT_EQ(client.subAccounts(-1, 0).totalPages(), 1000);
}

}  // namespace
}  // namespace korvant::sim::test
