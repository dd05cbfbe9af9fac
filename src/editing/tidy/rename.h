#pragma once
/// @file
/// Find and replace in channel names, planned first so the preview shows
/// every name exactly as it will be stored.

#include <string>
#include <vector>

#include "editing/tidy/bounded_pattern.h"

namespace vq {

class ChannelNode;

/// What to find and what to put in its place, as Latin-1 bytes. With
/// `regex` the find text is a BoundedPattern and the replacement may name
/// its groups as `$1`..`$9` or `\1`..`\9` (`$0` the whole match; `$$` and
/// `\\` for the character itself). Every occurrence is replaced.
struct RenameRule {
  std::string find;
  std::string replace;
  bool regex = false;
  bool ignoreCase = false;
};

/// A name the rule changes.
struct RenameEntry {
  ChannelNode* channel = nullptr;
  std::string oldName;
  /// The name as the record will hold it: cut to its 20 bytes.
  std::string newName;
  bool cut = false;
  /// Why this name cannot be written (English, marked for translation), or null.
  const char* refusal = nullptr;
};

struct RenamePlan {
  /// A pattern or replacement the rule cannot use; then no entries.
  PatternError error = PatternError::kNone;
  std::vector<RenameEntry> changes;

  int RefusedCount() const;
  /// True when the plan can be applied: a usable rule, no refused name.
  bool Applicable() const { return error == PatternError::kNone && RefusedCount() == 0; }
};

/// The names of `channels` the rule changes, in the order given.
RenamePlan PlanRename(const std::vector<ChannelNode*>& channels, const RenameRule& rule);

/// Writes the new names of an applicable plan; the number written (0 for a
/// plan that is not applicable, nothing written then).
int ApplyRename(const RenamePlan& plan);

}  // namespace vq
