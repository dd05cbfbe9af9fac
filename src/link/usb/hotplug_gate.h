#pragma once
// Which of the bus's arrival and removal events reach the receiver
// connection, for a bus that holds at most one receiver open.

namespace vq::usb {

/// A removal counts only for the receiver held open. An arrival counts at
/// once while none is held; one that comes while the previous receiver's
/// pipes are still in use (a transfer still holds them, or its removal has
/// not been handled yet) is remembered and counts once they close, so a
/// receiver that comes back quickly is not missed. Not thread-safe: the
/// bus calls it under its own lock.
class HotplugGate {
 public:
  /// A device as the bus tells them apart.
  using Device = const void*;

  /// The bus opened `device`; a remembered arrival is served by it.
  void Opened(Device device);
  /// The pipes of `device` closed. True when a remembered arrival is due now.
  bool Closed(Device device);
  /// A matching receiver arrived. True when it counts now.
  bool Arrived();
  /// `device` left the bus. True when it was the one held open.
  bool Left(Device device) const;

 private:
  Device held_ = nullptr;
  bool arrivalPending_ = false;
};

}  // namespace vq::usb
