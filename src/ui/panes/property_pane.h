#pragma once
/// @file
/// The layout and flows every property pane shares.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/grid/grid_model.h"

namespace vq {

class PaneContext;

/// A property pane: one record (or several) shown and edited in the grid.
///
/// Lays out what every pane has, top to bottom: "Show All" / "Hide All", a
/// spacer, the pane's groups, a spacer, and "Save" / "Discard", both
/// disabled until a value changes. Group rows are coloured (sub-groups
/// lighter), show a summary of their rows while collapsed and open as their
/// profile flag says; expanding or collapsing writes the flag back. A value
/// change marks the pane modified and sets the view's pending-edit flag;
/// with AutoSave it is saved at once, and with ColapseAfterSelection a
/// value chosen on a group row closes that group again.
///
/// A subclass describes its rows (Describe), takes changed values into its
/// working copy (TakeValue), shows the working copy (Refresh), writes group
/// summaries (Summary) and runs its commit flow (Commit).
class PropertyPane {
 public:
  /// Row ids of the common layout; panes number their rows from kFirstRow.
  enum CommonRow : int {
    kShowHideRow = 1,
    kTopSpacerRow = 2,
    kBottomSpacerRow = 3,
    kSaveDiscardRow = 4,
    kFirstRow = 10
  };
  static constexpr std::uint32_t kGroupColor = 0x828CE6;     ///< RGB (130, 140, 230)
  static constexpr std::uint32_t kSubGroupColor = 0xAAB4E6;  ///< RGB (170, 180, 230)
  static constexpr int kLabelColumn = 0;
  static constexpr int kValueColumn = 1;

  PropertyPane(GridModel& grid, PaneContext& context) : grid_(grid), context_(context) {}
  virtual ~PropertyPane() = default;
  PropertyPane(const PropertyPane&) = delete;
  PropertyPane& operator=(const PropertyPane&) = delete;

  /// Takes the records now selected into a fresh working copy and builds
  /// the pane; with nothing selected the grid is left empty.
  void Show();
  /// Answers a notification of the grid; non-zero refuses a changing one.
  int Notify(const GridNotification& note);
  /// The commit flow; `asking` when the user is leaving the record. The
  /// caller has cleared the pending-edit flag.
  virtual void Commit(bool asking) = 0;
  /// Whether the pane shows anything (a record was selected).
  bool IsShown() const { return shown_; }
  bool IsModified() const { return modified_; }

 protected:
  GridModel& Grid() { return grid_; }
  const GridModel& Grid() const { return grid_; }
  PaneContext& Context() { return context_; }

  /// Builds a fresh working copy from the selection; false when none.
  virtual bool Load() = 0;
  /// Adds the pane's groups and rows (Add... below).
  virtual void Describe() = 0;
  /// Shows every value and enabled state of the working copy.
  virtual void Refresh() = 0;
  /// The one-line summary of a group while it is collapsed.
  virtual std::string Summary(int groupRow) const = 0;
  /// Takes a changed value cell into the working copy; false refuses it
  /// (Refresh then shows the working copy again). A push button of the
  /// pane's own rows arrives here too, as a ButtonReleased note.
  virtual bool TakeValue(const GridNotification& note) = 0;
  /// The value cell of a group while it is expanded (empty by default; a
  /// group whose value cell holds an option shows that option).
  virtual std::string ExpandedText(int groupRow) const {
    (void)groupRow;
    return {};
  }

  // Labels, options and button captions are the pane's English texts; they
  // are shown in the user's language (a text already translated, or one the
  // catalogue lacks, is shown as it stands). Options are told apart by their
  // place in the list, so a translated list still maps to the same values.

  /// A group (a sub-group when `parent` is a group) opened and closed by
  /// `expandFlag`, which lives as long as the pane. Its value cell shows
  /// the summary, drawn by a cell of `valueKind` (a radio choice, say).
  void AddGroup(int row, const std::string& label, int parent, std::int32_t& expandFlag,
                RowKind valueKind = RowKind::None);
  /// A row whose label is not focusable, with a value cell of `kind`.
  void AddRow(int row, const std::string& label, int parent, RowKind kind);
  /// A number row bounded to [minimum, maximum].
  void AddNumber(int row, const std::string& label, int parent, int minimum, int maximum);
  void AddOptions(int row, const std::string& label, int parent,
                  const std::vector<std::string>& options);
  /// The options of a row's value cell, translated (see AddOptions).
  void SetOptions(int row, const std::vector<std::string>& options);
  /// Shows the user an error message (translated).
  void ShowError(const std::string& text);
  /// A new range for a number row (a choice on another row re-ranged it).
  void SetNumberRange(int row, int minimum, int maximum);

  /// A number, or an empty cell (no value shared) that still takes only
  /// digits in the row's range.
  void ShowNumber(int row, std::optional<int> value);
  /// The option at `index`, or empty.
  void ShowOption(int row, std::optional<int> index);
  /// Ticked, clear, or indeterminate for no value.
  void ShowCheck(int row, std::optional<bool> ticked);
  void ShowText(int row, const std::string& text);
  void Enable(int row, bool on);
  /// The value of a number row (also of its empty form once typed in).
  int NumberAt(int row) const;
  /// The index of the option shown, or -1.
  int OptionAt(int row) const;
  bool TickedAt(int row) const;
  std::string TextAt(int row) const;
  /// Whether the row is a group of this pane.
  bool IsGroup(int row) const;

 private:
  struct Group {
    int row;
    std::int32_t* expandFlag;
  };
  void Build();
  void AddButtons(int row, const char* left, const char* right);
  void AddSpacer(int row);
  void ValueChanged(const GridNotification& note);
  void ButtonReleased(const GridNotification& note);
  bool TakeTypedNumber(int row);
  void Save();
  void WriteSummaries();
  void ExpandAll(bool expand);

  GridModel& grid_;
  PaneContext& context_;
  std::vector<Group> groups_;
  std::map<int, std::pair<int, int>> ranges_;  ///< row -> number range
  bool shown_ = false;
  bool building_ = false;
  bool modified_ = false;
};

}  // namespace vq
