// Hostile 64 MB inputs for every list reader and the tool's commands that
// use them, each read within a 256 MB heap and 10 s of processor time (60 s
// under the sanitizers); and a reader that runs out of memory reports it
// like an unreadable file.

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>

#include "heap_budget.h"
#include "interchange/import_texts.h"
#include "interchange/reference_list.h"
#include "interchange/scan_table_reader.h"
#include "interchange/vdr_channels_reader.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

constexpr size_t kInputBytes = size_t{64} << 20;
constexpr size_t kHeapBudget = size_t{256} << 20;
// The sanitizers slow every byte down several times over.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VQ_TEST_SANITIZED
#endif
#endif
#ifdef VQ_TEST_SANITIZED
constexpr auto kTimeLimit = std::chrono::seconds(60);
#else
constexpr auto kTimeLimit = std::chrono::seconds(10);
#endif

// `unit` repeated to 64 MB (the last copy cut).
std::string Repeated(const std::string& unit) {
  std::string text;
  text.reserve(kInputBytes);
  while (text.size() + unit.size() <= kInputBytes) text += unit;
  text.append(unit, 0, kInputBytes - text.size());
  return text;
}

// The processor time this thread has used: unlike the wall clock it does
// not grow when other tests share the machine.
std::chrono::nanoseconds ThreadTime() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Runs `read` under the budget; fails when it throws, passes the budget or
// takes too long.
void ReadWithinBounds(const std::function<void()>& read) {
  const auto start = ThreadTime();
  SetHeapBudget(kHeapBudget);
  bool threw = false;
  try {
    read();
  } catch (...) {
    threw = true;
  }
  ClearHeapBudget();
  EXPECT_FALSE(threw);
  EXPECT_LE(HeapPeak(), kHeapBudget);
  EXPECT_LE(ThreadTime() - start, kTimeLimit);
}

const std::string kChannelLine =
    "Das Erste;ARD:11494:HC34M2S0:S19.2E:22000:101:102:104:0:28106:1:1101:0\n";

// Bad lines of one reason, fields past counting, entries past any receiver,
// one value that would fill a message, keys no section reads. Each input is
// made when its case runs: 64 MB each, one case to a test process.
struct HostileInput {
  const char* name;
  std::string (*text)();
};

const HostileInput kInputs[] = {
    {"BadLines", [] { return Repeated("x\n"); }},
    {"Separators", [] { return Repeated(":"); }},
    {"AudioList", [] { return "A:11494:H:S19.2E:22000:101:" + Repeated("1,") + ":0:0:1:1:1:0\n"; }},
    {"Channels", [] { return Repeated(kChannelLine); }},
    {"Groups", [] { return Repeated(":g\n"); }},
    {"Semicolons", [] { return Repeated(";"); }},
    {"Rows", [] { return Repeated("1;a\n"); }},
    {"DeliverySystem",
     [] { return "[T]\nFREQUENCY = 1\nDELIVERY_SYSTEM = " + Repeated("D") + "\n"; }},
    {"Keys", [] { return "[T]\n" + Repeated("K=1\n"); }},
};

class HostileInputTest : public ::testing::TestWithParam<HostileInput> {};

TEST_P(HostileInputTest, EveryReaderReadsItWithinTheBounds) {
  const std::string text = GetParam().text();
  ChannelListRead vdr;
  ChannelListRead table;
  ReferenceFile reference;
  ReadWithinBounds([&] {
    vdr = ReadVdrChannels(text);
    table = ReadScanTable(text);
    reference = ReadReferenceFile(text);
  });
  // Whatever was read stays bounded too, down to its messages.
  EXPECT_LE(vdr.list.channels.size(), kListEntryLimit);
  EXPECT_LE(vdr.list.groups.size(), kListEntryLimit);
  EXPECT_LE(reference.read.list.entries.size(), kListEntryLimit);
  EXPECT_LE(table.list.transponders.size(), kListEntryLimit);
  for (const SkipList* skipped :
       {&vdr.list.skipped, &table.list.skipped, &reference.read.list.skipped})
    for (const SkipList::Reason& r : skipped->Reasons()) {
      EXPECT_LE(r.text.size(), 200u);
      EXPECT_LE(r.lines.size(), SkipList::kLinesKept);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileInputTest, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostileListTest, TheToolsCommandsEndWithAMessageNotAnAbort) {
  char folder[] = "/tmp/vq-memory-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string dir = folder;
  ASSERT_EQ(RunVqtool({"new", "--model", "1", dir + "/in.bin"}).code, 0);
  {
    std::ofstream(dir + "/lines.conf", std::ios::binary) << Repeated("x\n");
    std::ofstream(dir + "/row.txt", std::ios::binary) << Repeated(";");
  }
  ToolRun vdr;
  ToolRun order;
  ReadWithinBounds([&] {
    vdr = RunVqtool({"import-vdr", dir + "/lines.conf", dir + "/in.bin", dir + "/out.bin"});
    order = RunVqtool({"order-like", dir + "/row.txt", dir + "/in.bin", dir + "/out2.bin"});
  });
  EXPECT_EQ(vdr.code, 1);
  EXPECT_NE(vdr.err.find("no line holds a channel"), std::string::npos) << vdr.err;
  EXPECT_EQ(order.code, 1);
  EXPECT_NE(order.err.find("not a settings file, a VDR channels.conf or a channel list"),
            std::string::npos)
      << order.err;
  std::filesystem::remove_all(dir);
}

TEST(HostileListTest, AReaderOutOfMemoryReportsItLikeAnUnreadableFile) {
  std::mt19937 random(28);
  const std::string text = Repeated(kChannelLine).substr(0, size_t{8} << 20);
  for (int round = 0; round < 8; ++round) {
    // Budgets from just above the input to well into the read.
    const size_t budget = text.size() + std::uniform_int_distribution<size_t>(0, 4 << 20)(random);
    ChannelListRead read;
    ReferenceRead reference;
    SetHeapBudget(budget);
    bool threw = false;
    try {
      read = ReadVdrChannels(text);
      reference = ReadReferenceText(text);
    } catch (...) {
      threw = true;
    }
    ClearHeapBudget();
    EXPECT_FALSE(threw) << budget;
    if (!read.recognised) EXPECT_EQ(read.message, import_texts::kNoMemory) << budget;
  }
}

}  // namespace
}  // namespace vq::test
