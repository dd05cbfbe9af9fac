#include "editing/tidy/rename.h"

#include <algorithm>
#include <optional>

#include "common/text_translation.h"
#include "database/channel_node.h"

namespace vq {
namespace {

constexpr size_t kNameWidth = ChannelRecord::kNameWidth;
// A replacement is built no further than this: one byte past the record's
// width tells that the name is cut, whatever the rule would make of it.
constexpr size_t kBuildLimit = kNameWidth + 1;
// Steps all names of one plan may take together: a preview over 8192 names
// stays quick whatever the pattern.
constexpr long kPlanStepBudget = 4'000'000;

void Append(std::string& out, std::string_view part) {
  if (out.size() < kBuildLimit) out.append(part.substr(0, kBuildLimit - out.size()));
}

// The replacement for one match, with its group references filled in.
void AppendReplacement(std::string& out, std::string_view replace, std::string_view text,
                       const BoundedPattern::Match& match) {
  for (size_t i = 0; i < replace.size(); ++i) {
    const char c = replace[i];
    const bool escape = (c == '$' || c == '\\') && i + 1 < replace.size();
    if (!escape) {
      Append(out, replace.substr(i, 1));
      continue;
    }
    const char next = replace[++i];
    if (next >= '0' && next <= '9') {
      const int g = next - '0';
      if (match.Begin(g) != std::string_view::npos)
        Append(out, text.substr(match.Begin(g), match.End(g) - match.Begin(g)));
    } else {
      if (next != c) Append(out, replace.substr(i - 1, 1));
      Append(out, replace.substr(i, 1));
    }
  }
}

// The highest group a replacement names, or -1.
int HighestReference(std::string_view replace) {
  int highest = -1;
  for (size_t i = 0; i + 1 < replace.size(); ++i) {
    if (replace[i] != '$' && replace[i] != '\\') continue;
    const char next = replace[i + 1];
    if (next >= '0' && next <= '9') highest = std::max(highest, next - '0');
    ++i;
  }
  return highest;
}

std::string ReplaceAll(std::string_view text, const RenameRule& rule, const BoundedPattern& pattern,
                       PatternError* error, long* budget) {
  // A plain find is a pattern of escaped characters, so both kinds of rule
  // share the case folding and the replacement loop.
  std::string out;
  size_t from = 0;
  while (from <= text.size()) {
    const std::optional<BoundedPattern::Match> match = pattern.Find(text, from, error, budget);
    if (!match) break;
    Append(out, text.substr(from, match->Begin() - from));
    if (rule.regex)
      AppendReplacement(out, rule.replace, text, *match);
    else
      Append(out, rule.replace);
    if (match->End() == match->Begin()) {
      // An empty match: keep the next character and go on after it.
      if (match->End() < text.size()) Append(out, text.substr(match->End(), 1));
      from = match->End() + 1;
    } else {
      from = match->End();
    }
  }
  if (from < text.size()) Append(out, text.substr(from));
  return out;
}

std::string Escaped(std::string_view plain) {
  std::string out;
  for (const char c : plain) {
    out += '\\';
    out += c;
  }
  return out;
}

const char* Refusal(const std::string& name) {
  if (name.empty()) return VQ_TRANSLATE_NOOP("CoreText", "The name would be empty.");
  if (name.size() >= 4 && name.compare(0, 4, "\xFF\xFF\xFF\xFF") == 0)
    return VQ_TRANSLATE_NOOP("CoreText",
                             "The name would start with four 0xFF bytes, the mark of a free slot.");
  return nullptr;
}

}  // namespace

int RenamePlan::RefusedCount() const {
  int n = 0;
  for (const RenameEntry& e : changes) n += e.refusal != nullptr;
  return n;
}

RenamePlan PlanRename(const std::vector<ChannelNode*>& channels, const RenameRule& rule) {
  RenamePlan plan;
  if (rule.find.empty()) {
    plan.error = PatternError::kEmptyFind;
    return plan;
  }
  // A plain text longer than a name is found in none.
  if (!rule.regex && rule.find.size() > kNameWidth) return plan;
  std::optional<BoundedPattern> pattern = BoundedPattern::Compile(
      rule.regex ? rule.find : Escaped(rule.find), rule.ignoreCase, &plan.error);
  if (!pattern) return plan;
  if (rule.regex && HighestReference(rule.replace) > pattern->GroupCount()) {
    plan.error = PatternError::kBadReference;
    return plan;
  }
  long budget = kPlanStepBudget;
  for (ChannelNode* c : channels) {
    if (!c) continue;
    RenameEntry entry{c, c->Record().GetName(), {}};
    entry.newName = ReplaceAll(entry.oldName, rule, *pattern, &plan.error, &budget);
    if (plan.error != PatternError::kNone) {
      plan.changes.clear();
      return plan;
    }
    entry.cut = entry.newName.size() > kNameWidth;
    if (entry.cut) entry.newName.resize(kNameWidth);
    if (entry.newName == entry.oldName) continue;
    entry.refusal = Refusal(entry.newName);
    plan.changes.push_back(std::move(entry));
  }
  return plan;
}

int ApplyRename(const RenamePlan& plan) {
  if (!plan.Applicable()) return 0;
  for (const RenameEntry& e : plan.changes) e.channel->Record().SetName(e.newName);
  return static_cast<int>(plan.changes.size());
}

}  // namespace vq
