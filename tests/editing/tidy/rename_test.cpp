// Find and replace in names: plain rules against a naive replace-all,
// patterns against the standard library's ECMAScript matcher on patterns
// that are safe for it, hostile patterns within the budget, and the
// refusals that keep a record in use.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <regex>

#include "editing/tidy/rename.h"
#include "support/database_builder.h"

namespace vq::test {
namespace {

std::string RandomText(std::mt19937& rng, std::string_view alphabet, size_t maxLength) {
  std::string s(rng() % (maxLength + 1), ' ');
  for (char& c : s) c = alphabet[rng() % alphabet.size()];
  return s;
}

// A random pattern over "ab" from the syntax both matchers read alike.
// Groups are not repeated: on a repeated group that can match nothing the
// standard library's matcher departs from ECMAScript's rules.
std::string RandomPattern(std::mt19937& rng, int depth) {
  std::string out;
  const int atoms = 1 + static_cast<int>(rng() % 3);
  for (int i = 0; i < atoms; ++i) {
    switch (rng() % (depth > 0 ? 7 : 5)) {
      case 0:
        out += "a";
        break;
      case 1:
        out += "b";
        break;
      case 2:
        out += ".";
        break;
      case 3:
        out += rng() % 2 ? "[ab]" : "[^a]";
        break;
      case 4:
        out += rng() % 2 ? "\\d" : "c";
        break;
      case 5:
        out += "(" + RandomPattern(rng, depth - 1) + ")";
        break;
      case 6:
        out += "(?:" + RandomPattern(rng, depth - 1) + "|" + RandomPattern(rng, depth - 1) + ")";
        break;
    }
    const char* repeats[] = {"", "", "*", "+", "?", "{2}", "{1,3}", "*?", "+?", "{0,2}?"};
    if (out.back() != ')') out += repeats[rng() % 10];
  }
  if (rng() % 6 == 0) out = "^" + out;
  if (rng() % 6 == 0) out += "$";
  return out;
}

std::vector<ChannelNode*> NamedChannels(SettingsDatabase& db,
                                        const std::vector<std::string>& names) {
  TransponderNode* t = AddTransponders(db, 0, 1).front();
  std::vector<ChannelNode*> channels = AddChannels(db, t, kTv, static_cast<int>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) channels[i]->Record().SetName(names[i]);
  return channels;
}

TEST(BoundedPattern, FindsWhatTheStandardMatcherFinds) {
  std::mt19937 rng(11);
  for (int i = 0; i < 3000; ++i) {
    const std::string pattern = RandomPattern(rng, 2);
    const std::string text = RandomText(rng, "abc1", 10);
    PatternError error;
    const auto compiled = BoundedPattern::Compile(pattern, false, &error);
    ASSERT_TRUE(compiled) << pattern;
    std::smatch expected;
    const bool found = std::regex_search(text, expected, std::regex(pattern));
    const auto match = compiled->Find(text, 0, &error);
    ASSERT_EQ(error, PatternError::kNone);
    ASSERT_EQ(match.has_value(), found) << pattern << " on " << text;
    if (!found) continue;
    EXPECT_EQ(match->Begin(), static_cast<size_t>(expected.position(0)))
        << pattern << " on " << text;
    EXPECT_EQ(match->End() - match->Begin(), static_cast<size_t>(expected.length(0)))
        << pattern << " on " << text;
  }
}

TEST(BoundedPattern, RefusesBrokenPatternsAndStaysWithinItsBudget) {
  for (const char* bad : {"(", ")", "a)", "[a", "[b-a]", "*a", "a{3,1}", "a{256}", "a{", "\\",
                          "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "^*", "a|*"}) {
    PatternError error;
    EXPECT_FALSE(BoundedPattern::Compile(bad, false, &error)) << bad;
    EXPECT_NE(error, PatternError::kNone) << bad;
    EXPECT_STRNE(PatternErrorText(error), "") << bad;
  }
  PatternError error;
  EXPECT_EQ(BoundedPattern::Compile(std::string(257, 'a'), false, &error), std::nullopt);
  EXPECT_EQ(error, PatternError::kTooLong);
  // Patterns that explode a backtracking matcher end in time, matched or refused.
  const std::string text(20, 'a');
  for (const std::string& hostile : {std::string("(a*)*b"), std::string("((a+)+)+$b"),
                                     std::string("(a|a)*(a|a)*(a|a)*c"), std::string("(.*){20}x"),
                                     [] {
                                       std::string nested;
                                       for (int i = 0; i < 60; ++i) nested += "(?:";
                                       return nested + "a*" + std::string(60, ')') + "*b";
                                     }(),
                                     std::string("(?:a?){20}a{20}b")}) {
    const auto start = std::chrono::steady_clock::now();
    const auto compiled = BoundedPattern::Compile(hostile, false, &error);
    ASSERT_TRUE(compiled) << hostile;
    EXPECT_FALSE(compiled->Find(text, 0, &error)) << hostile;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << hostile;
  }
  // Random bytes as patterns never crash.
  std::mt19937 rng(3);
  for (int i = 0; i < 3000; ++i) {
    const std::string pattern = RandomText(rng, "ab()[]{}^$|*+?.\\-,019:", 24);
    if (const auto compiled = BoundedPattern::Compile(pattern, rng() % 2, &error))
      (void)compiled->Find(RandomText(rng, "ab(0", 20), 0, &error);
  }
}

TEST(Rename, PlainRulesReplaceEveryOccurrenceAndCutToTheRecord) {
  std::mt19937 rng(5);
  auto db = MakeDatabase(kModelPvr);
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) names.push_back(RandomText(rng, "ab ", 20));
  const std::vector<ChannelNode*> channels = NamedChannels(*db, names);
  for (int i = 0; i < 200; ++i) {
    RenameRule rule{RandomText(rng, "ab", 3), RandomText(rng, "xy", 4), false, false};
    if (rule.find.empty()) continue;
    const RenamePlan plan = PlanRename(channels, rule);
    ASSERT_EQ(plan.error, PatternError::kNone);
    size_t k = 0;
    for (size_t c = 0; c < channels.size(); ++c) {
      const std::string old = channels[c]->Record().GetName();
      std::string expected;
      for (size_t at = 0; at < old.size();) {
        if (old.compare(at, rule.find.size(), rule.find) == 0) {
          expected += rule.replace;
          at += rule.find.size();
        } else {
          expected += old[at++];
        }
      }
      if (expected.size() > 20) expected.resize(20);
      if (expected == old) continue;
      ASSERT_LT(k, plan.changes.size());
      EXPECT_EQ(plan.changes[k].channel, channels[c]);
      EXPECT_EQ(plan.changes[k].newName, expected);
      EXPECT_EQ(plan.changes[k].refusal != nullptr, expected.empty());
      ++k;
    }
    EXPECT_EQ(k, plan.changes.size());
  }
}

TEST(Rename, PatternRulesReplaceAsTheStandardMatcherDoes) {
  std::mt19937 rng(9);
  auto db = MakeDatabase(kModelPvr);
  std::vector<std::string> names;
  for (int i = 0; i < 40; ++i) names.push_back(RandomText(rng, "abc1", 12));
  const std::vector<ChannelNode*> channels = NamedChannels(*db, names);
  for (int i = 0; i < 120; ++i) {
    // A non-empty match at every place, so both walk the text alike.
    const std::string pattern = "(" + RandomPattern(rng, 1) + ")[abc1]";
    const std::string replace = rng() % 2 ? "<$1>" : "x";
    const RenamePlan plan = PlanRename(channels, {pattern, replace, true, false});
    ASSERT_EQ(plan.error, PatternError::kNone) << pattern;
    size_t k = 0;
    for (ChannelNode* c : channels) {
      const std::string old = c->Record().GetName();
      std::string expected = std::regex_replace(old, std::regex(pattern), replace);
      if (expected.size() > 20) expected.resize(20);
      if (expected == old) continue;
      ASSERT_LT(k, plan.changes.size()) << pattern;
      EXPECT_EQ(plan.changes[k++].newName, expected) << pattern << " on " << old;
    }
    EXPECT_EQ(k, plan.changes.size()) << pattern;
  }
}

TEST(Rename, RefusesNamesThatWouldFreeOrEmptyTheRecord) {
  auto db = MakeDatabase(kModelPvr);
  const std::vector<ChannelNode*> channels = NamedChannels(*db, {"Das Erste HD", "ZDF", "arte"});
  RenamePlan plan = PlanRename(channels, {"^.*$", "", true, false});
  EXPECT_EQ(plan.RefusedCount(), 3);
  EXPECT_EQ(ApplyRename(plan), 0);
  EXPECT_EQ(channels[1]->Record().GetName(), "ZDF");
  plan = PlanRename(channels, {"ZDF", "\xFF\xFF\xFF\xFFZ", false, false});
  ASSERT_EQ(plan.changes.size(), 1u);
  EXPECT_NE(plan.changes[0].refusal, nullptr);
  EXPECT_EQ(ApplyRename(plan), 0);
  // Case folding, groups, the cut to 20 bytes.
  plan = PlanRename(channels, {"(\\w+) hd", "$1 (High Definition)", true, true});
  ASSERT_EQ(plan.changes.size(), 1u);
  EXPECT_EQ(plan.changes[0].newName, "Das Erste (High Defi");
  EXPECT_TRUE(plan.changes[0].cut);
  EXPECT_EQ(ApplyRename(plan), 1);
  EXPECT_EQ(channels[0]->Record().GetName(), "Das Erste (High Defi");
  EXPECT_EQ(PlanRename(channels, {"(a)", "$2", true, false}).error, PatternError::kBadReference);
  EXPECT_EQ(PlanRename(channels, {"", "x", false, false}).error, PatternError::kEmptyFind);
}

TEST(Rename, AHostilePatternOverManyNamesEndsWithinThePlansBudget) {
  auto db = MakeDatabase(kModelPvr);
  const std::vector<ChannelNode*> channels =
      NamedChannels(*db, std::vector<std::string>(2000, std::string(20, 'a')));
  const auto start = std::chrono::steady_clock::now();
  const RenamePlan plan = PlanRename(channels, {"(a|a)*(a|a)*(a|a)*c", "x", true, false});
  EXPECT_EQ(plan.error, PatternError::kTooComplex);
  EXPECT_TRUE(plan.changes.empty());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
}  // namespace vq::test
