// The command-line tool, driven as a subprocess.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bmp/BmpReader.h"
#include "bmp/BmpWriter.h"
#include "support/MiniJson.h"
#include "support/Module.h"
#include "support/TestFiles.h"

namespace quindle {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

ToolRun RunTool(const std::vector<std::string>& args) {
  testing::TempDir capture;
  const fs::path out = capture / "out";
  const fs::path err = capture / "err";
  const pid_t child = fork();
  if (child == 0) {
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(QUINDLE_TOOL_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(QUINDLE_TOOL_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ToolRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadText(out);
  run.err = ReadText(err);
  return run;
}

fs::path Suite(const std::string& name) { return testing::DataDir() / "bmpsuite" / name; }
fs::path Card24() { return testing::SourceDir() / "examples" / "testcard-24.bmp"; }

TEST(Tool, VersionHelpAndUsageErrors) {
  ToolRun run = RunTool({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "1.0.0.1\n");
  for (const char* command : {"brightness", "info", "scale"}) {
    run = RunTool({command, "--help"});
    EXPECT_EQ(run.status, 0) << command;
    EXPECT_NE(run.out.find("Example"), std::string::npos) << command;
  }
  const std::vector<std::vector<std::string>> usageErrors = {
      {},
      {"frobnicate"},
      {"brightness", "only-one.bmp"},
      {"brightness", "a.bmp", "b.bmp", "--red", "lots"},
      {"brightness", "a.bmp", "b.bmp", "--in-place", "--output-dir", "x"},
      {"brightness", "a.bmp", "b.bmp", "--preview", "p.bmp", "--in-place"},
      {"brightness", "-o", "out", "dir1/x.bmp", "dir2/x.bmp"},
      {"scale", "a.bmp", "b.bmp"},
      {"scale", "a.bmp", "b.bmp", "--width", "3", "--height", "4"},
      {"info"},
  };
  for (const auto& args : usageErrors) {
    run = RunTool(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
  }
}

TEST(Tool, BrightnessWritesWhatTheModuleWrites) {
  testing::TempDir dir;
  const ToolRun run = RunTool({"brightness", Suite("g/pal8.bmp"), dir / "tool.bmp", "--red", "130",
                               "-g", "70", "--blue", "100"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(testing::CallModule(Suite("g/pal8.bmp"), dir / "module.bmp", 130, 70, 100), 999);
  EXPECT_EQ(testing::ReadBytes(dir / "tool.bmp"), testing::ReadBytes(dir / "module.bmp"));
}

TEST(Tool, EachLoadFailureIsExplained) {
  testing::TempDir dir;
  const auto cut = testing::ReadBytes(Card24());
  testing::WriteBytes(dir / "cut.bmp", std::vector<std::uint8_t>(cut.begin(), cut.begin() + 30));
  struct Case {
    fs::path input;
    std::string words;
  };
  const Case cases[] = {
      {dir / "missing.bmp", "cannot open: No such file or directory"},
      {testing::SourceDir() / "README.md", "not a BMP file (it starts with 23 20"},
      {dir / "cut.bmp", "the file ends inside its headers (30 of 54 bytes)"},
      {Suite("g/pal8rle.bmp"), "run-length compressed (compression 1)"},
      {Suite("g/pal8topdown.bmp"), "rows stored top-down (height -64)"},
      {Suite("q/rgba64.bmp"), "unsupported bit depth 64"},
      {Suite("g/rgb32bf.bmp"), "unsupported compression 3 at 32 bits per pixel"},
      {Suite("b/badwidth.bmp"), "width -127 and height 64 must both be positive"},
      {Suite("b/reallybig.bmp"), "3000000 x 2000000 = 6000000000000 pixels exceeds the limit of 268435456"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool({"brightness", c.input, dir / "out.bmp"});
    EXPECT_EQ(run.status, 1) << c.input;
    EXPECT_NE(run.err.find(c.input.string() + ": " + c.words), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(fs::exists(dir / "out.bmp"));

  const ToolRun run = RunTool({"brightness", Card24(), dir / "no" / "out.bmp"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("out.bmp: cannot write: No such file or directory"), std::string::npos)
      << run.err;
}

TEST(Tool, BatchGoesOnPastABadFile) {
  testing::TempDir dir;
  fs::create_directory(dir / "in");
  fs::create_directory(dir / "out");
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) fs::copy_file(Card24(), dir / "in" / name);
  testing::WriteBytes(dir / "in" / "bad.bmp", {'n', 'o'});
  const ToolRun run = RunTool({"brightness", "--jobs", "2", "--green", "50", "-o", dir / "out",
                               dir / "in" / "a.bmp", dir / "in" / "bad.bmp", dir / "in" / "b.bmp",
                               dir / "in" / "c.bmp"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bad.bmp: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("done 3, failed 1, "), std::string::npos) << run.err;
  EXPECT_EQ(testing::Entries(dir / "out"), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp"}));

  const ToolRun inPlace = RunTool({"brightness", "--in-place", "--quiet", "--red", "0",
                                   dir / "in" / "a.bmp", dir / "in" / "b.bmp"});
  EXPECT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_EQ(inPlace.err, "");
  BitmapImage image;
  ASSERT_TRUE(Load(image, (dir / "in" / "b.bmp").c_str()));
  EXPECT_EQ(image.ReadPixel(0, 0).red, 0);
}

TEST(Tool, InfoAsJson) {
  testing::TempDir dir;
  const ToolRun run = RunTool({"info", "--json", Suite("g/pal4.bmp"), Suite("g/pal8rle.bmp"),
                               dir / "missing.bmp"});
  EXPECT_EQ(run.status, 1);
  const testing::JsonValue files = testing::JsonParser::Parse(run.out);
  ASSERT_EQ(files.Size(), 3u);
  const testing::JsonValue& pal4 = files[0];
  EXPECT_TRUE(pal4["loads"].Bool());
  EXPECT_TRUE(pal4["reason"].IsNull());
  EXPECT_EQ(pal4["fileHeader"]["bfType"].Number(), 19778);
  EXPECT_EQ(pal4["fileHeader"]["bfOffBits"].Number(), 102);
  EXPECT_EQ(pal4["infoHeader"]["biBitCount"].Number(), 4);
  EXPECT_EQ(pal4["width"].Number(), 127);
  EXPECT_EQ(pal4["height"].Number(), 64);
  EXPECT_EQ(pal4["paletteSize"].Number(), 16);
  EXPECT_EQ(pal4["resolution"]["xPixelsPerMeter"].Number(), 2835);
  EXPECT_EQ(pal4["resolution"]["xDpi"].Number(), 72);
  EXPECT_FALSE(files[1]["loads"].Bool());
  EXPECT_NE(files[1]["reason"].String().find("run-length"), std::string::npos);
  EXPECT_FALSE(files[2]["loads"].Bool());
  EXPECT_FALSE(files[2].Has("fileHeader"));
  EXPECT_EQ(files[2]["path"].String(), (dir / "missing.bmp").string());
}

TEST(Tool, PreviewIsSideBySideAndAtMost1024Wide) {
  testing::TempDir dir;
  ToolRun run = RunTool({"brightness", Card24(), dir / "out.bmp", "--blue", "50", "--preview",
                         dir / "preview.bmp"});
  ASSERT_EQ(run.status, 0) << run.err;
  BitmapImage preview;
  ASSERT_TRUE(Load(preview, (dir / "preview.bmp").c_str()));
  EXPECT_EQ(preview.Depth(), 24);
  EXPECT_EQ(preview.Width(), 640);
  EXPECT_EQ(preview.Height(), 240);
  BitmapImage after;
  ASSERT_TRUE(Load(after, (dir / "out.bmp").c_str()));
  EXPECT_EQ(preview.ReadPixel(0, 0), MakeColor(255, 255, 255));
  EXPECT_EQ(preview.ReadPixel(320, 0), after.ReadPixel(0, 0));

  BitmapImage wide;
  wide.SetDimensions(2000, 100);
  ASSERT_TRUE(Save(wide, (dir / "wide.bmp").c_str()));
  run = RunTool({"brightness", dir / "wide.bmp", dir / "wide-out.bmp", "--preview", dir / "wide-preview.bmp"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_TRUE(Load(preview, (dir / "wide-preview.bmp").c_str()));
  EXPECT_EQ(preview.Width(), 1024);
  EXPECT_EQ(preview.Height(), 25);
}

TEST(Tool, Scale) {
  testing::TempDir dir;
  struct Case {
    std::vector<std::string> size;
    int width, height;
  };
  const Case cases[] = {{{"--fit", "100"}, 100, 75},
                        {{"--percent", "50"}, 160, 120},
                        {{"--width", "64"}, 64, 48},
                        {{"-H", "30"}, 40, 30}};
  for (const Case& c : cases) {
    std::vector<std::string> args{"scale", Card24(), dir / "scaled.bmp"};
    args.insert(args.end(), c.size.begin(), c.size.end());
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    BitmapImage image;
    ASSERT_TRUE(Load(image, (dir / "scaled.bmp").c_str()));
    EXPECT_EQ(image.Width(), c.width);
    EXPECT_EQ(image.Height(), c.height);
  }
  const ToolRun run = RunTool({"scale", Card24(), dir / "huge.bmp", "--percent", "100000"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("exceed the limit"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quindle
