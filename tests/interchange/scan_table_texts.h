#pragma once
// Small dvbv5 scan tables written by the tests, section by section.

#include <string>

namespace vq::test {

// One "[CHANNEL]" section; `fec` empty leaves INNER_FEC out.
inline std::string Section(int frequencyMHz, const std::string& polarization, int symbolRateK,
                           const std::string& fec = "AUTO", const std::string& system = "DVBS") {
  std::string text = "[CHANNEL]\n\tDELIVERY_SYSTEM = " + system +
                     "\n\tFREQUENCY = " + std::to_string(frequencyMHz * 1000) +
                     "\n\tPOLARIZATION = " + polarization +
                     "\n\tSYMBOL_RATE = " + std::to_string(symbolRateK * 1000) + "\n";
  if (!fec.empty()) text += "\tINNER_FEC = " + fec + "\n";
  return text + "\tINVERSION = AUTO\n\n";
}

}  // namespace vq::test
