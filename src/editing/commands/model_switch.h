#pragma once
/// @file
/// Switching the open database between the FTA/CI and the PVR model.

namespace vq {

class EditingView;
class Prompter;

/// Converts to model 0 (4096 channel slots). When more channels exist than
/// fit, asks first with the number that will be lost; on No nothing changes.
void SwitchToFtaCi(EditingView& view, Prompter& prompter);
/// Converts to model 1 (8192 channel slots); nothing is lost.
void SwitchToPvr(EditingView& view);

}  // namespace vq
