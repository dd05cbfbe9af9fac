#pragma once
/// @file
/// The main view seen through the editing commands' EditingView.

#include "database/index_observer.h"
#include "editing/commands/editing_view.h"

namespace vq {

class CVQChannelEditorView;

/// Maps the editing commands' list operations onto the main view's list
/// models, table views and panels. Owned by the view.
///
/// As the database's index observer it takes the rows of records that are
/// about to be deleted out of every list before they are freed, so no row,
/// selection or current index ever names a freed record, even while a
/// model reset runs the button states.
class ViewEditing : public EditingView, public IndexObserver {
 public:
  explicit ViewEditing(CVQChannelEditorView& view) : view_(view) {}

  SettingsDatabase& Database() override;
  ListState& State() override;
  int RowCount(EditList list) const override;
  std::vector<int> SelectedRows(EditList list) const override;
  ChannelNode* ChannelAt(EditList list, int row) const override;
  TransponderNode* TransponderAt(int row) const override;
  SatelliteNode* SatelliteAt(int row) const override;
  int RowOfChannel(EditList list, const ChannelNode* channel) const override;
  int RowOfTransponder(const TransponderNode* transponder) const override;
  int RowOfSatellite(const SatelliteNode* satellite) const override;
  int SelectedFavoriteGroup() const override;
  void Refill(EditList list) override;
  void Reorder(EditList list) override;
  void Redraw(EditList list) override;
  void SelectRows(EditList list, const std::vector<int>& rows) override;
  void ShowRow(EditList list, int row) override;
  void RefreshCounts() override;
  void UpdateButtons() override;
  void ShowStatus(const std::string& text) override;
  void MarkModified() override;
  void CommitPane(bool asking) override;
  void FinishPaneEdit() override;

  void ChannelsDeleting(const std::vector<ChannelNode*>& channels) override;
  void TranspondersDeleting(const std::vector<TransponderNode*>& transponders) override;
  void IndexResetting() override;

 private:
  CVQChannelEditorView& view_;
};

}  // namespace vq
