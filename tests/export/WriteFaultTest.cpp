// Failures of the file system while the module writes: each is reported as 1,
// leaves the input byte for byte, leaves an existing output as it was, and
// leaves no temporary file behind.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/Module.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
const std::vector<std::uint8_t> kOldOutput{'o', 'l', 'd'};

// Runs the call in a child process, after `prepare` (limits, identity), and
// returns the module's result, or -1 when the child did not finish.
int ModuleResultInChild(const std::function<void()>& prepare, const fs::path& input,
                        const fs::path& output) {
  testing::ModuleFunction();  // loaded before the fork
  const pid_t child = fork();
  if (child == 0) {
    prepare();
    _exit(testing::CallModule(input, output, 150, 60, 100) == 999 ? 99 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 99 ? 999 : WEXITSTATUS(status);
}

class WriteFault : public ::testing::Test {
 protected:
  void SetUp() override {
    // Readable by an unprivileged user, as the permission case needs.
    fs::permissions(dir_.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
    fs::copy_file(testing::SourceDir() / "examples" / "testcard-24.bmp", input_);
    fs::permissions(input_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    original_ = testing::ReadBytes(input_);
  }

  void ExpectInputIntactAndNoTemporary(const std::vector<std::string>& entries) {
    EXPECT_EQ(testing::ReadBytes(input_), original_);
    EXPECT_EQ(dir_.Entries(), entries);
  }

  testing::TempDir dir_;
  fs::path input_ = dir_ / "input.bmp";
  std::vector<std::uint8_t> original_;
};

void LimitFileSize() {
  signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
  const rlimit limit{64 * 1024, 64 * 1024};
  setrlimit(RLIMIT_FSIZE, &limit);
}

TEST_F(WriteFault, ShortWriteOverAnExistingOutput) {
  const fs::path output = dir_ / "output.bmp";
  testing::WriteBytes(output, kOldOutput);
  EXPECT_EQ(ModuleResultInChild(LimitFileSize, input_, output), 1);
  EXPECT_EQ(testing::ReadBytes(output), kOldOutput);
  ExpectInputIntactAndNoTemporary({"input.bmp", "output.bmp"});
}

TEST_F(WriteFault, ShortWriteWhenTheOutputNamesTheInput) {
  EXPECT_EQ(ModuleResultInChild(LimitFileSize, input_, input_), 1);
  ExpectInputIntactAndNoTemporary({"input.bmp"});
}

TEST_F(WriteFault, FolderWithoutWritePermission) {
  const fs::path locked = dir_ / "locked";
  fs::create_directory(locked);
  const fs::path existing = locked / "existing.bmp";
  testing::WriteBytes(existing, kOldOutput);
  fs::permissions(existing, fs::perms::all);  // the file itself could be written in place
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  // Root may write anywhere, so the call runs as an unprivileged user.
  const auto unprivileged = [] {
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(3);
  };
  EXPECT_EQ(ModuleResultInChild(unprivileged, input_, locked / "new.bmp"), 1);
  EXPECT_EQ(ModuleResultInChild(unprivileged, input_, existing), 1);
  EXPECT_EQ(testing::ReadBytes(existing), kOldOutput);
  fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(testing::Entries(locked), std::vector<std::string>{"existing.bmp"});
  ExpectInputIntactAndNoTemporary({"input.bmp", "locked"});
}

TEST_F(WriteFault, MissingFolderAndNullOutput) {
  EXPECT_EQ(testing::CallModule(input_, dir_ / "missing" / "out.bmp", 100, 100, 100), 1);
  EXPECT_EQ(testing::ModuleFunction()(input_.u16string().c_str(), nullptr, 100, 100, 100), 1);
  ExpectInputIntactAndNoTemporary({"input.bmp"});
}

TEST_F(WriteFault, RefusedInputCreatesNoOutput) {
  const fs::path hostile = dir_ / "hostile.bmp";
  fs::copy_file(testing::DataDir() / "bmpsuite" / "b" / "reallybig.bmp", hostile);
  EXPECT_EQ(testing::CallModule(hostile, dir_ / "out.bmp", 100, 100, 100), 1);
  EXPECT_EQ(testing::CallModule(hostile, hostile, 100, 100, 100), 1);
  EXPECT_EQ(testing::ReadBytes(hostile),
            testing::ReadBytes(testing::DataDir() / "bmpsuite" / "b" / "reallybig.bmp"));
  ExpectInputIntactAndNoTemporary({"hostile.bmp", "input.bmp"});
}

}  // namespace
}  // namespace quindle
