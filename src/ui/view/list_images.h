#pragma once
/// @file
/// The small images of the lists, selectors, tabs and panels, by index:
/// 0 satellite, 1 channels, 2 transponder, 3 TV, 4 radio, 5 data, 6 locked,
/// 7 scrambled, 8 teletext, 9 AC3 sound, 10 skipped, 11 all channels,
/// 12 free channel, 13 favourite group, 14 settings category.

#include <QIcon>
#include <QList>

namespace vq {

enum ListImage : int {
  kImageSatellite = 0, kImageChannels = 1, kImageTransponder = 2, kImageTv = 3,
  kImageRadio = 4, kImageData = 5, kImageLocked = 6, kImageScrambled = 7,
  kImageTeletext = 8, kImageAc3 = 9, kImageSkipped = 10, kImageAllChannels = 11,
  kImageFree = 12, kImageFavorites = 13, kImageSettings = 14, kListImageCount = 15
};

/// The image of an index, or a null icon outside the list.
QIcon ListIcon(int index);
/// Every image in index order, as the property grid takes them.
QList<QIcon> ListIcons();

}  // namespace vq
