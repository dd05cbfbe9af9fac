// Finding in the list of the current tab: searching as the user types,
// stepping through the matches and selecting all of them.

#include <QLineEdit>
#include <algorithm>
#include <optional>

#include "editing/find/find_query.h"
#include "editing/find/list_matches.h"
#include "ui/view/find_bar.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/settings_category_model.h"
#include "ui/view/view_editing.h"
#include "ui/view/vq_channel_editor_view.h"

namespace vq {
namespace {

constexpr EditList kListOfTab[] = {EditList::kChannels, EditList::kTransponders,
                                   EditList::kSatellites};

// The stored text is Latin-1: a search with any other character finds
// nothing rather than a stand-in.
std::optional<FindQuery> QueryOf(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 0xFF) return std::nullopt;
  return FindQuery(text.toLatin1().toStdString());
}

}  // namespace

void CVQChannelEditorView::ConnectFind() {
  connect(find_, &FindBar::textEdited, this, [this] { GoToMatch(CurrentFindRow() - 1, false); });
  connect(find_, &FindBar::nextWanted, this, &CVQChannelEditorView::FindNext);
  connect(find_, &FindBar::selectAllWanted, this, &CVQChannelEditorView::SelectAllMatches);
  connect(find_, &FindBar::closed, this,
          [this] { PageAt(state_.currentTab)->List()->setFocus(); });
}

void CVQChannelEditorView::OpenFind() {
  find_->Open();
  ShowFindResult(FindMatches(), -1);
}

void CVQChannelEditorView::FindNext(bool backwards) {
  if (find_->Text().isEmpty()) {
    OpenFind();
    return;
  }
  find_->show();
  GoToMatch(CurrentFindRow(), backwards);
}

void CVQChannelEditorView::SelectAllMatches() {
  const std::vector<int> matches = FindMatches();
  if (!matches.empty()) SelectFoundRows(matches);
  find_->SetResult(matches.empty() ? tr("No matches") : tr("%1 selected").arg(matches.size()));
}

std::vector<int> CVQChannelEditorView::FindMatches() const {
  const std::optional<FindQuery> query = QueryOf(find_->Text());
  if (!query || query->IsEmpty()) return {};
  const int tab = state_.currentTab;
  if (tab >= kTabChannels && tab <= kTabSatellites)
    return MatchingRows(*editing_, kListOfTab[tab], *query);
  // Settings: the category names.
  std::vector<int> rows;
  for (int row = 0; row < categories_->rowCount(); ++row)
    if (query->FoundIn(categories_->index(row, 0).data().toString().toLatin1().toStdString()))
      rows.push_back(row);
  return rows;
}

int CVQChannelEditorView::CurrentFindRow() const {
  const QModelIndex current = Page(state_.currentTab)->List()->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void CVQChannelEditorView::GoToMatch(int from, bool backwards) {
  const std::vector<int> matches = FindMatches();
  const int row = NextMatch(matches, from, backwards);
  if (row >= 0) SelectFoundRows({row});
  ShowFindResult(matches, row);
}

void CVQChannelEditorView::SelectFoundRows(const std::vector<int>& rows) {
  const int tab = state_.currentTab;
  if (tab >= kTabChannels && tab <= kTabSatellites)
    editing_->SelectRows(kListOfTab[tab], rows);
  else
    PageAt(tab)->List()->SelectRows(rows);
}

void CVQChannelEditorView::ShowFindResult(const std::vector<int>& matches, int row) {
  if (find_->Text().isEmpty()) {
    find_->SetResult(QString());
    return;
  }
  if (matches.empty()) {
    find_->SetResult(tr("No matches"));
    return;
  }
  const auto at = std::find(matches.begin(), matches.end(), row);
  if (at == matches.end())
    find_->SetResult(tr("%1 matches").arg(matches.size()));
  else
    find_->SetResult(tr("%1 of %2").arg(at - matches.begin() + 1).arg(matches.size()));
}

}  // namespace vq
