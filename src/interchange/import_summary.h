#pragma once
/// @file
/// What an import did: counts of what was added or found already there, the
/// entries left out with their reasons and lines, and why it stopped.

#include <array>
#include <string>
#include <vector>

#include "interchange/channel_list.h"

namespace vq {

enum class ImportStatus {
  kDone,
  kStopped,  ///< a table was full; what was imported before stays
  kNoModel,  ///< the database holds no receiver model; nothing was done
};

struct ImportSummary {
  ImportStatus status = ImportStatus::kDone;
  std::string message;      ///< why the import stopped or did nothing; empty when done
  int satellitesAdded = 0;  ///< free satellite slots that took an orbital position
  int transpondersAdded = 0;
  int transpondersPresent = 0;
  int dvbS2TranspondersAdded = 0;
  std::array<int, 3> channelsAdded{};  ///< TV, radio, data
  int channelsPresent = 0;
  int favoritePlacesAdded = 0;
  int replacedCharacters = 0;
  SkipList skipped;

  int ChannelsAdded() const { return channelsAdded[0] + channelsAdded[1] + channelsAdded[2]; }
  /// True when the database changed.
  bool Changed() const;
  /// True when anything of the file was added or found already there.
  bool Used() const;
};

/// The summary as lines of text for the user, in their language: counts
/// first, then the skipped entries grouped by reason with their line
/// numbers, then the message.
std::vector<std::string> SummaryLines(const ImportSummary& summary);

/// `heading` filled with the count ("Skipped: %d"), then one indented line
/// per reason (in the order reasons first occur) with the first line
/// numbers; nothing for no entries. The heading and the reasons are marked
/// texts, translated here.
std::vector<std::string> SkippedLines(const char* heading, const SkipList& skipped);

}  // namespace vq
