// The Images menu and the ZT files from the command line: every command is reached by its caption.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace plorik::testing {
namespace {

TEST(ImagesCli, EveryImageAndZtCommandRunsByItsCaption)
{
    const CliGame cli{GameBuilder(Family::Xwa)};
    const CliOutput backup = cli.run({"--json", "run", "--press", "Create Backup Image"});
    EXPECT_EQ(backup.exit, 0) << backup.err;
    EXPECT_NE(backup.out.find("\"status\":\"Done.\""), std::string::npos) << backup.out;
    // The restores and packages are offered from the next start on.
    const std::string slot = (cli.dir.path() / "slot.zt").string();
    const std::string package = (cli.dir.path() / "package.zt").string();
    const CliOutput rest = cli.run({"--answer", "file:" + slot,
                                    "--answer", "file:" + package,
                                    "--json",   "run",
                                    "--slot",   "7",
                                    "--set",    "ShieldRechargeBox=1",
                                    "--press",  "Write",
                                    "--press",  "Save as Single ZT",
                                    "--press",  "Make ZT Package",
                                    "--press",  "Recreate Single Slot",
                                    "--press",  "Recreate from Image"});
    EXPECT_EQ(rest.exit, 0) << rest.err;
    EXPECT_NE(rest.out.find("\"status\":\"Done.\""), std::string::npos) << rest.out;
    EXPECT_EQ(readFile(slot).size(), 15u + (400 + 24) * 6);
    // The write changed the slot: the package has records.
    EXPECT_NE(readFile(package).substr(14, 2), std::string("\0\0", 2));
    const CliOutput again = cli.run({"run", "--press", "Create Backup Image"});
    EXPECT_EQ(again.exit, 2);
    EXPECT_EQ(again.err, "plorik-cli: Create Backup Image is disabled\n");
}

} // namespace
} // namespace plorik::testing
