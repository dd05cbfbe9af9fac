#include <gmock/gmock.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class CommandsTest : public ToolTest {};

TEST_F(CommandsTest, NewWritesEachModelAtItsSizeAndInfoNamesIt) {
  for (const auto& [model, size, text] :
       {std::tuple{"0", 499712u, "FTA/CI (model 0)"}, std::tuple{"1", 827392u, "PVR (model 1)"}}) {
    const std::string file = Path(std::string("new") + model + ".bin");
    ASSERT_EQ(RunVqtool({"new", "--model", model, file}).code, 0);
    EXPECT_EQ(std::filesystem::file_size(file), size);
    const ToolRun info = RunVqtool({"info", file});
    EXPECT_EQ(info.code, 0);
    EXPECT_THAT(info.out, HasSubstr(text));
    EXPECT_THAT(info.out, HasSubstr("Satellites:    0 with transponders"));
    EXPECT_THAT(info.out, HasSubstr("(TV 0, radio 0, data 0)"));
  }
}

TEST_F(CommandsTest, InfoCountsSatellitesChannelsAndFavourites) {
  auto db = MakeDatabase(kModelPvr);
  auto transponders = AddTransponders(*db, 3, 2);
  auto tv = AddChannels(*db, transponders[0], kTv, 3);
  AddChannels(*db, transponders[1], kRadio, 2);
  AddChannels(*db, transponders[1], kData, 1);
  db->AddToFavoriteGroup(tv[2], 0);
  db->AddToFavoriteGroup(tv[0], 0);
  AddTransponders(*db, 7, 1);
  Save(*db, "in.bin");

  const ToolRun info = RunVqtool({"info", Path("in.bin")});
  ASSERT_EQ(info.code, 0) << info.err;
  EXPECT_THAT(info.out, HasSubstr("Satellites:    2 with transponders"));
  EXPECT_THAT(info.out, HasSubstr("Transponders:  3 (1 without channels)"));
  EXPECT_THAT(info.out, HasSubstr("Channels:      6 of 8192 (TV 3, radio 2, data 1)"));
  EXPECT_THAT(info.out, HasSubstr("NEWS                2 members"));
  EXPECT_THAT(info.out, HasSubstr("MOVIE               0 members"));
}

TEST_F(CommandsTest, BadFilesFailWithOneLineOnStandardError) {
  auto db = MakeDatabase(kModelFtaCi);
  Save(*db, "good.bin");
  std::vector<uint8_t> truncated = ReadBytes(Path("good.bin"));
  truncated.pop_back();
  WriteBytes(Path("truncated.bin"), truncated);
  WriteBytes(Path("small.bin"), std::vector<uint8_t>(1000, 0));
  WriteBytes(Path("erased.bin"), std::vector<uint8_t>(kImageSizeModel0, 0xFF));
  WriteBytes(Path("erased1.bin"), std::vector<uint8_t>(kImageSizeModel1, 0xFF));
  std::filesystem::resize_file(Path("small.bin"), 64u << 20);  // never read whole

  const std::pair<std::string, std::string> cases[] = {
      {"truncated.bin", "not a settings file (size 499711 bytes; expected 499712 or 827392)"},
      {"small.bin", "not a settings file (size 67108864 bytes"},
      {"erased.bin", "the settings could not be decoded"},
      {"erased1.bin", "the settings could not be decoded"},
      {"missing.bin", "cannot open"},
      {"", "not a regular file"},
  };
  for (const auto& [name, message] : cases) {
    for (const char* command : {"info", "dump", "check", "resave"}) {
      std::vector<std::string> args = {command, Path(name)};
      if (std::string(command) == "resave") args.push_back(Path("out.bin"));
      const ToolRun run = RunVqtool(args);
      EXPECT_EQ(run.code, 1) << command << " " << name;
      EXPECT_TRUE(run.out.empty()) << command << " " << name;
      EXPECT_EQ(CountLines(run.err), 1) << run.err;
      EXPECT_THAT(run.err, StartsWith("vqtool: " + Path(name) + ": "));
      EXPECT_THAT(run.err, HasSubstr(message));
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
}

TEST_F(CommandsTest, ResaveIsByteExactForNewAndDemoFiles) {
  ASSERT_EQ(RunVqtool({"new", "--model", "0", Path("a.bin")}).code, 0);
  ASSERT_EQ(RunVqtool({"new", "--model", "1", Path("b.bin")}).code, 0);
  ASSERT_EQ(RunVqtool({"demo", Path("c.bin")}).code, 0);
  for (const char* name : {"a.bin", "b.bin", "c.bin"}) {
    const ToolRun run = RunVqtool({"resave", Path(name), Path("again.bin")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadBytes(Path(name)), ReadBytes(Path("again.bin"))) << name;
  }
}

TEST_F(CommandsTest, WritingReplacesTheTargetAndLeavesNoTemporaryFile) {
  WriteBytes(Path("out.bin"), {1, 2, 3});
  ASSERT_EQ(RunVqtool({"new", "--model", "0", Path("out.bin")}).code, 0);
  EXPECT_EQ(std::filesystem::file_size(Path("out.bin")), kImageSizeModel0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);

  const ToolRun run = RunVqtool({"new", "--model", "0", Path("no/such/folder/x.bin")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(CountLines(run.err), 1);
  EXPECT_THAT(run.err, HasSubstr("cannot write"));
}

// The exit code of `args` run as an ordinary user: in a child process that
// gives up root first, when the tests run as root.
int RunAsOrdinaryUser(const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0))
      ::_exit(99);
    ::_exit(RunVqtool(args).code);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CommandsTest, WritingKeepsTheModeAndRefusesWhatTheEditorRefuses) {
  const auto modeOf = [](const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
  };
  ASSERT_EQ(RunVqtool({"new", "--model", "0", Path("a.bin")}).code, 0);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(modeOf(Path("a.bin")), 0666 & ~mask);
  // The file holds the receiver's lock code: a private file stays private.
  ASSERT_EQ(::chmod(Path("a.bin").c_str(), 0600), 0);
  ASSERT_EQ(RunVqtool({"resave", Path("a.bin"), Path("a.bin")}).code, 0);
  EXPECT_EQ(modeOf(Path("a.bin")), 0600u);

  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  const ToolRun fifo = RunVqtool({"new", "--model", "0", Path("fifo")});
  EXPECT_EQ(fifo.code, 1);
  EXPECT_THAT(fifo.err, HasSubstr("not a regular file"));
  EXPECT_TRUE(std::filesystem::is_fifo(Path("fifo")));

  // A read-only file in a folder the user may write is still not replaced.
  ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(Path("a.bin").c_str(), 0444), 0);
  const std::vector<uint8_t> before = ReadBytes(Path("a.bin"));
  EXPECT_EQ(RunAsOrdinaryUser({"new", "--model", "1", Path("a.bin")}), 1);
  EXPECT_EQ(ReadBytes(Path("a.bin")), before);
}

TEST_F(CommandsTest, ConvertToFtaCiMovesHighChannelsDownThenDropsTheRest) {
  auto db = MakeDatabase(kModelPvr);
  auto transponder = AddTransponders(*db, 0, 1)[0];
  auto channels = AddChannels(*db, transponder, kTv, 4100);
  ASSERT_EQ(channels.size(), 4100u);
  Save(*db, "full.bin");
  // Ten free low slots: four high channels move down, none is lost.
  db->DeleteChannels(std::vector<ChannelNode*>(channels.begin(), channels.begin() + 10));
  Save(*db, "gaps.bin");

  ToolRun run = RunVqtool({"convert", "--model", "0", Path("full.bin"), Path("full0.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("4096 channels kept, 0 moved to free lower slots, 4 dropped"));
  EXPECT_EQ(std::filesystem::file_size(Path("full0.bin")), kImageSizeModel0);
  EXPECT_THAT(RunVqtool({"info", Path("full0.bin")}).out, HasSubstr("Channels:      4096 of 4096"));

  run = RunVqtool({"convert", Path("gaps.bin"), "--model", "0", Path("gaps0.bin")});
  EXPECT_THAT(run.out, HasSubstr("4090 channels kept, 4 moved to free lower slots, 0 dropped"));
  EXPECT_THAT(RunVqtool({"check", Path("gaps0.bin")}).out, HasSubstr("0 problems"));

  run = RunVqtool({"convert", "--model", "0", Path("gaps0.bin"), Path("same.bin")});
  EXPECT_THAT(run.out, HasSubstr("is already FTA/CI (model 0)"));
  run = RunVqtool({"convert", "--model", "1", Path("gaps0.bin"), Path("up.bin")});
  EXPECT_THAT(run.out, HasSubstr("4090 channels kept, 0 moved to free lower slots, 0 dropped"));
  EXPECT_EQ(std::filesystem::file_size(Path("up.bin")), kImageSizeModel1);
}

TEST_F(CommandsTest, UsageGoesToOutputOnRequestAndToErrorsOnMistakes) {
  for (const auto& args : {std::vector<std::string>{}, {"--help"}}) {
    const ToolRun run = RunVqtool(args);
    EXPECT_EQ(run.code, 0);
    EXPECT_THAT(run.out, HasSubstr("convert --model 0|1 IN OUT"));
    EXPECT_TRUE(run.err.empty());
  }
  const std::vector<std::string> mistakes[] = {{"frobnicate"},
                                               {"info"},
                                               {"info", "a", "b"},
                                               {"new", Path("x.bin")},
                                               {"new", "--model", "2", Path("x.bin")},
                                               {"dump", "a", "--xml"},
                                               {"convert", "--model"},
                                               {"resave", "a"}};
  for (const auto& args : mistakes) {
    const ToolRun run = RunVqtool(args);
    EXPECT_EQ(run.code, 2) << args.front();
    EXPECT_THAT(run.err, HasSubstr("usage: vqtool"));
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(Path("x.bin")));
}

}  // namespace
}  // namespace vq::test
