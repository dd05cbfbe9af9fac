#include "link/usb/hotplug_gate.h"

#include <gtest/gtest.h>

namespace vq::usb {
namespace {

const int kFirst = 1, kSecond = 2;

TEST(HotplugGateTest, OnlyTheHeldReceiverLeavesAndArrivalsCountWhileNoneIsHeld) {
  HotplugGate gate;
  EXPECT_TRUE(gate.Arrived());
  gate.Opened(&kFirst);
  EXPECT_FALSE(gate.Left(&kSecond));
  EXPECT_FALSE(gate.Left(nullptr));
  EXPECT_TRUE(gate.Left(&kFirst));
  EXPECT_FALSE(gate.Closed(&kFirst));  // nothing arrived meanwhile
  EXPECT_TRUE(gate.Arrived());
}

TEST(HotplugGateTest, AnArrivalWhileTheOldPipesAreInUseCountsOnceTheyClose) {
  HotplugGate gate;
  gate.Opened(&kFirst);
  EXPECT_TRUE(gate.Left(&kFirst));
  EXPECT_FALSE(gate.Arrived());         // the old receiver is still held
  EXPECT_FALSE(gate.Closed(&kSecond));  // not the held one
  EXPECT_TRUE(gate.Closed(&kFirst));
  EXPECT_FALSE(gate.Closed(&kFirst));  // reported once

  // A receiver opened meanwhile serves the remembered arrival.
  gate.Opened(&kFirst);
  EXPECT_FALSE(gate.Arrived());
  gate.Opened(&kSecond);
  EXPECT_FALSE(gate.Closed(&kFirst));
  EXPECT_FALSE(gate.Closed(&kSecond));
}

}  // namespace
}  // namespace vq::usb
