#include "compare/difference_text.h"

namespace vq {

std::string_view DiffSubjectName(DiffSubject subject) {
  switch (subject) {
    case DiffSubject::kSettings:
      return "settings";
    case DiffSubject::kSatellite:
      return "satellite";
    case DiffSubject::kFavoriteGroup:
      return "group";
    case DiffSubject::kTransponder:
      return "transponder";
    case DiffSubject::kChannel:
      return "channel";
  }
  return "";
}

std::string_view DiffKindName(DiffKind kind) {
  switch (kind) {
    case DiffKind::kOnlyInA:
      return "only in A";
    case DiffKind::kOnlyInB:
      return "only in B";
    case DiffKind::kChanged:
      return "changed";
    case DiffKind::kPlaced:
      return "placed";
  }
  return "";
}

std::string DifferenceLine(const Difference& d) {
  std::string line = std::string(DiffKindName(d.kind)) + ": ";
  // Satellites and groups name themselves ("satellite 3 ...").
  if (d.subject != DiffSubject::kSatellite && d.subject != DiffSubject::kFavoriteGroup)
    line += std::string(DiffSubjectName(d.subject)) + " ";
  line += d.what;
  for (size_t i = 0; i < d.fields.size(); ++i) {
    const FieldChange& f = d.fields[i];
    line += (i == 0 ? ": " : "; ") + f.field + " " + f.before + " -> " + f.after;
  }
  return line;
}

}  // namespace vq
