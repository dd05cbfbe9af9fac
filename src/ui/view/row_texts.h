#pragma once
/// @file
/// Cell texts of the channel, transponder and satellite lists, shared by the
/// main view and the selection dialogs. Qt-free so tests read them directly.

#include <string>

namespace vq {

class ChannelNode;
class TransponderNode;
class SatelliteNode;

/// Columns of the channel list.
enum ChannelColumn : int {
  kChanNum, kChanName, kChanFreq, kChanPol, kChanSymbolRate, kChanVideoPid, kChanAudioPid,
  kChanScrambled, kChanLocked, kChanSkipped, kChanTeletext, kChanAc3, kChanFavorite,
  kChanSatellite, kChanPosition, kChannelColumnCount
};

/// Columns of the transponder list.
enum TransponderColumn : int {
  kTpNum, kTpNetwork, kTpFreq, kTpPol, kTpSymbolRate, kTpFec, kTpFta, kTpId, kTpChannels,
  kTpSatellite, kTpPosition, kTransponderColumnCount
};

/// Columns of the satellite list.
enum SatelliteColumn : int {
  kSatNum, kSatName, kSatPosition, kSatLow, kSatHigh, kSat22k, kSat12V, kSatDiseqc,
  kSatPort, kSatToneBurst, kSatMotor, kSatMotorIndex, kSatelliteColumnCount
};

/// Text of a channel cell; `number` is the row's "Num" value. The six flag
/// columns have no text (see ChannelFlag).
std::string ChannelCellText(const ChannelNode& channel, int number, int column);
/// Whether the flag of a one-letter column holds; false for other columns.
bool ChannelFlag(const ChannelNode& channel, int column);
/// Text of a transponder cell; `number` is the row's "Num" value.
std::string TransponderCellText(const TransponderNode& transponder, int number, int column);
std::string SatelliteCellText(const SatelliteNode& satellite, int column);

}  // namespace vq
