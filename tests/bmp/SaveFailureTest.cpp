#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "bmp/BmpWriter.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

// 200 x 100 at depth 24: 60 054 bytes.
bool SaveLargeImage(const std::filesystem::path& path) {
  BitmapImage image;
  image.SetDimensions(200, 100);
  return Save(image, path.c_str());
}

const std::vector<std::uint8_t> kOldContent{'o', 'l', 'd'};

TEST(SaveFailure, MissingFolderOrNullPathCreatesNothing) {
  testing::TempDir dir;
  BitmapImage image;
  EXPECT_FALSE(Save(image, (dir / "missing" / "out.bmp").c_str()));
  EXPECT_FALSE(Save(image, nullptr));
  EXPECT_FALSE(Save(image, ""));
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(SaveFailure, ShortWriteLeavesTheTargetAndNoTemporary) {
  testing::TempDir dir;
  const auto target = dir / "out.bmp";
  testing::WriteBytes(target, kOldContent);

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Writes past 4096 bytes fail instead of killing the process.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(SaveLargeImage(target) ? 10 : 20);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 20) << "Save must report the short write";
  EXPECT_EQ(testing::ReadBytes(target), kOldContent);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.bmp"});
}

TEST(SaveFailure, DirectoryAsTargetIsRefused) {
  testing::TempDir dir;
  fs::create_directory(dir / "folder.bmp");
  EXPECT_FALSE(SaveLargeImage(dir / "folder.bmp"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.bmp"));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"folder.bmp"});
}

TEST(SaveFailure, ReadOnlyTargetIsNotReplaced) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "root may write any file, so a read-only target is writable";
  }
  testing::TempDir dir;
  const auto target = dir / "out.bmp";
  testing::WriteBytes(target, kOldContent);
  fs::permissions(target, fs::perms::owner_read);
  EXPECT_FALSE(SaveLargeImage(target));
  EXPECT_EQ(testing::ReadBytes(target), kOldContent);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.bmp"});
}

TEST(SaveReplace, ExistingTargetKeepsItsPermissionsNewFileFollowsTheUmask) {
  testing::TempDir dir;
  const auto existing = dir / "existing.bmp";
  testing::WriteBytes(existing, kOldContent);
  ASSERT_EQ(chmod(existing.c_str(), 0640), 0);
  ASSERT_TRUE(SaveLargeImage(existing));
  struct stat status {};
  ASSERT_EQ(stat(existing.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(testing::ReadBytes(existing).size(), 60054u);

  const mode_t previous = umask(027);
  const auto fresh = dir / "fresh.bmp";
  const bool saved = SaveLargeImage(fresh);
  umask(previous);
  ASSERT_TRUE(saved);
  ASSERT_EQ(stat(fresh.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"existing.bmp", "fresh.bmp"}));
}

TEST(SaveReplace, WritesThroughASymbolicLink) {
  testing::TempDir dir;
  testing::WriteBytes(dir / "real.bmp", kOldContent);
  fs::create_symlink("real.bmp", dir / "link.bmp");
  ASSERT_TRUE(SaveLargeImage(dir / "link.bmp"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.bmp"));
  EXPECT_EQ(testing::ReadBytes(dir / "real.bmp").size(), 60054u);
}

}  // namespace
}  // namespace quindle
