// The clipboard as the window's enabled states see it between two changes.

#include <gtest/gtest.h>

#include "editing/clip_editor.h"
#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clipboard_snapshot.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/clipboard/copy_commands.h"

namespace vq::test {
namespace {

TEST(ClipboardSnapshotTest, SatellitePayloadsEnablePasteOnlyWhenWholeAndWithTransponders) {
  ClipEditor editor;
  const std::vector<TransponderNode*> tps = editor.Satellite(2, "Hotbird", 2);
  AddChannels(*editor.db, tps[0], kTv, 2);
  MemoryClipboard clipboard;
  editor.Show(kTabSatellites);
  editor.view.Select(EditList::kSatellites, {2});

  ASSERT_TRUE(
      CopySatellite(editor.view, editor.prompter, clipboard, SatelliteCopy::kSatelliteOnly));
  ClipboardSnapshot snapshot = TakeClipboardSnapshot(clipboard);
  EXPECT_TRUE(snapshot.Has(kClipSatellite));
  EXPECT_FALSE(snapshot.satelliteWithTransponders);
  EXPECT_FALSE(EvaluateClipboardStates(editor.view, snapshot).paste);
  EXPECT_TRUE(EvaluateClipboardStates(editor.view, snapshot).applyAttributes);

  ASSERT_TRUE(CopySatellite(editor.view, editor.prompter, clipboard,
                            SatelliteCopy::kTranspondersAndChannels));
  snapshot = TakeClipboardSnapshot(clipboard);
  EXPECT_TRUE(snapshot.satelliteWithTransponders);
  EXPECT_TRUE(EvaluateClipboardStates(editor.view, snapshot).applyAndPaste);

  // The same payload one byte short is refused, though its format is there.
  std::vector<uint8_t> bytes = clipboard.Get(kClipSatellite);
  bytes.pop_back();
  clipboard.Put(kClipSatellite, bytes);
  snapshot = TakeClipboardSnapshot(clipboard);
  EXPECT_TRUE(snapshot.Has(kClipSatellite));
  EXPECT_FALSE(snapshot.satelliteWithTransponders);
  EXPECT_FALSE(EvaluateClipboardStates(editor.view, snapshot).paste);
}

}  // namespace
}  // namespace vq::test
