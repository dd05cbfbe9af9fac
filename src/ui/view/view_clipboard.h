#pragma once
/// @file
/// Copy, cut, paste and apply of the main view, with their enabled states.

#include <QObject>
#include <QPointer>
#include <functional>

#include "editing/clipboard/clipboard_snapshot.h"
#include "editing/clipboard/clipboard_states.h"
#include "ui/view/context_menus.h"

class QAction;
class QMenu;

namespace vq {

class CVQChannelEditorView;
class Clipboard;
class Prompter;
struct EditorConfig;

/// Runs the clipboard commands of the current tab for the Edit menu, the
/// toolbar, the shortcuts and the list context menus, and keeps their
/// enabled states.
///
/// The clipboard is read once per change (ClipboardChanged) into a
/// snapshot that every state update uses: the desktop clipboard may belong
/// to another program, and asking it at every selection change would cost
/// a round trip each time. The commands themselves read the clipboard as it
/// is when they run. Without a clipboard or a prompter every command is
/// idle and disabled.
class ViewClipboard : public QObject {
  Q_OBJECT

 public:
  ViewClipboard(CVQChannelEditorView& view, EditorConfig& config, QObject* parent = nullptr);

  /// The clipboard the commands use from now on (it must outlive this
  /// object or be replaced first); re-reads it at once, or with
  /// `readLater` once the event loop runs (the enabled states count it as
  /// empty until then).
  void SetClipboard(Clipboard* clipboard, bool readLater = false);
  void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
  /// The clipboard's content changed (here or in another program): takes a
  /// new snapshot and updates every enabled state, an open context menu's
  /// too.
  void ClipboardChanged();

  /// Runs "Cu&t", "&Copy" and "&Paste" on the current tab through these
  /// actions and enables them with UpdateActions.
  void AttachActions(QAction* cut, QAction* copy, QAction* paste);
  void UpdateActions();
  /// Wires the clipboard entries of a context menu of the current tab;
  /// `onCategory`: a settings category was under the pointer.
  void Plug(const ContextMenu& menu, bool onCategory);

  /// The enabled states for the current tab and selection.
  ClipboardStates States(bool onCategory = false) const;

  /// @name Commands of the current tab
  /// @{
  void Copy();
  void Cut();
  void Paste();
  void ApplyAttributes();
  void ApplyAttributesAndPaste();
  /// "Apply category settings" (the selected category) or "Apply all
  /// settings" (every category the list shows).
  void ApplySettings(bool all);
  /// @}

 private:
  bool Ready() const { return clipboard_ && prompter_; }
  void Wire(const ContextMenu& menu, MenuEntry id, const std::function<void()>& command);
  void EnableMenuEntries();

  CVQChannelEditorView& view_;
  EditorConfig& config_;
  Clipboard* clipboard_ = nullptr;
  Prompter* prompter_ = nullptr;
  ClipboardSnapshot snapshot_;
  QPointer<QAction> cut_, copy_, paste_;
  ContextMenu openMenu_;  ///< entries of the context menu shown now
  QPointer<QMenu> openMenuGuard_;
  bool openOnCategory_ = false;
};

}  // namespace vq
