#pragma once
// What the window benchmarks share: a user who gives one answer to every
// question, full files written as settings files, medians, and timing one
// piece of work together with the events it queued.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/settings_database.h"
#include "editing/commands/prompter.h"

namespace vq::bench {

/// Answers every yes/no question with `yes`, takes the first of three
/// ways and chooses nothing in the selection dialogs.
class AnsweringUser : public Prompter {
 public:
  explicit AnsweringUser(bool yes) : yes_(yes) {}
  void Tell(const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return yes_; }
  int AskThreeWay(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&) override {
    return 0;
  }
  std::optional<int> SelectSatellite() override { return std::nullopt; }
  std::optional<int> SelectTransponder(int) override { return std::nullopt; }

 private:
  bool yes_;
};

/// Every transponder slot filled, spread over the 64 satellites, each on
/// its own frequency.
inline std::vector<TransponderNode*> AddAllTransponders(SettingsDatabase& db) {
  std::vector<TransponderNode*> transponders;
  for (int i = 0; i < kTransponderCapacity; ++i) {
    TransponderNode* t = nullptr;
    db.AddTransponder(db.GetSatelliteNode(i % kSatelliteCount), &t);
    t->Record().SetFrequency(static_cast<uint16_t>(10700 + i));
    transponders.push_back(t);
  }
  return transponders;
}

/// 8192 TV channels named "Channel <n>" over the first `used` transponders.
inline std::vector<ChannelNode*> AddAllTvChannels(SettingsDatabase& db,
                                                  const std::vector<TransponderNode*>& transponders,
                                                  size_t used) {
  std::vector<ChannelNode*> channels;
  for (int i = 0; i < kChannelCapacityModel1; ++i) {
    ChannelNode* c = nullptr;
    db.AddChannel(transponders[static_cast<size_t>(i) % used], kTv, &c);
    c->Record().SetName("Channel " + std::to_string(i));
    channels.push_back(c);
  }
  return channels;
}

inline bool WriteSettingsFile(SettingsDatabase& db, const QString& path) {
  std::vector<uint8_t> image;
  QFile file(path);
  if (!db.GetSettings(image) || !file.open(QIODevice::WriteOnly)) return false;
  return file.write(reinterpret_cast<const char*>(image.data()),
                    static_cast<qint64>(image.size())) == static_cast<qint64>(image.size());
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

/// Milliseconds of `work` and of the events it left queued.
inline double Millis(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  QApplication::processEvents();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace vq::bench
