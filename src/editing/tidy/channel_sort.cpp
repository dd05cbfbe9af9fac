#include "editing/tidy/channel_sort.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "database/settings_database.h"
#include "editing/tidy/latin1_collation.h"

namespace vq {
namespace {

// One chosen channel with its key, computed once.
struct Keyed {
  ChannelNode* channel;
  std::string text;
  int first = 0, second = 0, third = 0;
};

Keyed KeyOf(ChannelNode* c, SortKey key) {
  const ChannelRecord r = c->Record();
  const TransponderNode* t = c->GetTransponder();
  switch (key) {
    case SortKey::kName:
      return {c, Latin1SortKey(r.GetName())};
    case SortKey::kFrequency:
      return {c, {}, t->GetSatellite()->GetNumber(), t->Record().GetFrequency(), r.GetProgramId()};
    case SortKey::kNetwork:
      return {c, Latin1SortKey(t->Record().GetName())};
    case SortKey::kServiceId:
      return {c, {}, r.GetProgramId()};
  }
  return {c, {}};
}

bool Before(const Keyed& a, const Keyed& b) {
  if (const int c = a.text.compare(b.text)) return c < 0;
  if (a.first != b.first) return a.first < b.first;
  if (a.second != b.second) return a.second < b.second;
  return a.third < b.third;
}

// The members of `order` that `chosen` names, in list order, with their places.
std::vector<size_t> ChosenPlaces(const std::vector<ChannelNode*>& order,
                                 const std::vector<ChannelNode*>& chosen) {
  const std::unordered_set<const ChannelNode*> wanted(chosen.begin(), chosen.end());
  std::vector<size_t> places;
  for (size_t i = 0; i < order.size(); ++i)
    if (wanted.contains(order[i])) places.push_back(i);
  return places;
}

// `order` without the places given, with `block` inserted at `place`.
std::vector<ChannelNode*> WithBlockAt(const std::vector<ChannelNode*>& order,
                                      const std::vector<size_t>& places,
                                      const std::vector<ChannelNode*>& block, int place) {
  std::vector<ChannelNode*> rest;
  rest.reserve(order.size());
  size_t k = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (k < places.size() && places[k] == i) {
      ++k;
      continue;
    }
    rest.push_back(order[i]);
  }
  const auto at = static_cast<std::ptrdiff_t>(std::clamp(place, 0, static_cast<int>(rest.size())));
  rest.insert(rest.begin() + at, block.begin(), block.end());
  return rest;
}

}  // namespace

std::vector<ChannelNode*> SortedOrder(const std::vector<ChannelNode*>& order,
                                      const std::vector<ChannelNode*>& chosen,
                                      const SortOptions& options) {
  const std::vector<size_t> places = ChosenPlaces(order, chosen);
  std::vector<Keyed> keyed;
  keyed.reserve(places.size());
  for (size_t p : places) keyed.push_back(KeyOf(order[p], options.key));
  std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    return options.descending ? Before(b, a) : Before(a, b);
  });
  std::vector<ChannelNode*> sorted;
  sorted.reserve(keyed.size());
  for (const Keyed& k : keyed) sorted.push_back(k.channel);
  if (options.from >= 0) return WithBlockAt(order, places, sorted, options.from);
  std::vector<ChannelNode*> result = order;
  for (size_t i = 0; i < places.size(); ++i) result[places[i]] = sorted[i];
  return result;
}

std::vector<ChannelNode*> MovedBlockOrder(const std::vector<ChannelNode*>& order,
                                          const std::vector<ChannelNode*>& chosen, int place) {
  const std::vector<size_t> places = ChosenPlaces(order, chosen);
  std::vector<ChannelNode*> block;
  block.reserve(places.size());
  for (size_t p : places) block.push_back(order[p]);
  return WithBlockAt(order, places, block, place);
}

}  // namespace vq
