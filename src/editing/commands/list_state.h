#pragma once
/// @file
/// The main view's list state, read and changed by the editing commands.

namespace vq {

/// Tabs of the main view, in the order they are shown.
enum ViewTab : int { kTabChannels = 0, kTabTransponders = 1, kTabSatellites = 2, kTabSettings = 3 };

/// `ChannelListSource` values: all, free, scrambled, then satellite number n
/// as kSourceSatellite + n and favourite group g as kSourceFavorites + g.
enum ChannelListSourceValue : int {
  kSourceAll = 0,
  kSourceFree = 1,
  kSourceScrambled = 2,
  kSourceSatellite = 10,
  kSourceFavorites = 100,
};

/// Which rows the three lists show and which of them must be rebuilt.
///
/// Plain data owned by the main view. Editing commands set a refill flag when
/// they change what a list shows; the view clears it when it rebuilds that
/// list on the tab being shown. `pendingEdit` is set while the property pane
/// of the current tab holds edits not yet written to the database.
struct ListState {
  int currentTab = kTabChannels;
  int channelListSource = kSourceAll;  ///< ChannelListSource
  int shownChannelType = 0;            ///< ShownChannelType: 0 TV, 1 radio, 2 data
  int transponderListSatellite = 0;    ///< 0 all, n + 1 satellite number n
  bool refillChannels = false;
  bool refillTransponders = false;
  bool refillSatellites = false;
  bool channelsDescending = false;  ///< number column sorted high to low
  bool transpondersDescending = false;
  bool satellitesDescending = false;
  bool pendingEdit = false;

  bool ShowsFavoriteGroup() const { return channelListSource >= kSourceFavorites; }
  bool ShowsSatellite() const {
    return channelListSource >= kSourceSatellite && channelListSource < kSourceFavorites;
  }
};

}  // namespace vq
