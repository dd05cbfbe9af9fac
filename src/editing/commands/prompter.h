#pragma once
/// @file
/// What the editing commands ask of the user.

#include <optional>
#include <string>
#include <vector>

#include "editing/commands/transponder_choice.h"

namespace vq {

/// Modal messages, questions and selection dialogs. Texts are single-byte
/// (Latin-1) strings shown as given. The window implements it with message
/// boxes and dialogs; tests answer from a script.
class Prompter {
 public:
  virtual ~Prompter() = default;

  /// A message with an OK button (exclamation icon).
  virtual void Tell(const std::string& text) = 0;
  /// A Yes/No question with the question icon; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
  /// Three buttons captioned by the caller: 1, 2 or 3 for the left, middle
  /// or right one, 0 when the dialog was closed otherwise.
  virtual int AskThreeWay(const std::string& text, const std::string& title,
                          const std::string& left, const std::string& middle,
                          const std::string& right) = 0;
  /// "Select Satellite": the chosen satellite's number, or nothing.
  virtual std::optional<int> SelectSatellite() = 0;
  /// "Select Transponder" opened on satellite filter `filter` (0 all, n + 1
  /// satellite number n): the chosen transponder's table index, or nothing.
  virtual std::optional<int> SelectTransponder(int filter) = 0;
  /// "Select Channel": the chosen channel's table index, or nothing. A
  /// prompter without the dialog answers as one closed without OK.
  virtual std::optional<int> SelectChannel() { return std::nullopt; }

  // The two copy dialogs. A prompter without them answers as a dialog
  // closed without OK.

  /// "Select channels to copy" over `channels`, none ticked at first: the
  /// ticked channels in list order when closed with OK, else nothing.
  virtual std::optional<std::vector<const ChannelNode*>> SelectChannelsToCopy(
      const std::vector<const ChannelNode*>& channels) {
    (void)channels;
    return std::nullopt;
  }
  /// "Select transponders and channels to copy" over a tree of transponders
  /// with their channels: when closed with OK, each ticked transponder in
  /// tree order with its ticked channels; else nothing.
  virtual std::optional<std::vector<TransponderChoice>> SelectTranspondersAndChannels(
      const std::vector<TransponderChoice>& tree) {
    (void)tree;
    return std::nullopt;
  }
};

}  // namespace vq
