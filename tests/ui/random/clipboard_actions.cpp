#include "clipboard_actions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include "editing/clip_formats.h"
#include "editing/clipboard_snapshot.h"
#include "editing/clipboard_states.h"
#include "editing/qt/qt_clipboard.h"
#include "ui/app/main_frame.h"
#include "ui/view/list_page.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"
#include "window_session.h"

namespace vq::test {
namespace {

const char* const kShortcuts[3][2] = {
    {"Ctrl+X", "Shift+Del"}, {"Ctrl+C", "Ctrl+Ins"}, {"Ctrl+V", "Shift+Ins"}};

QByteArray RandomBytes(WindowSession& s, int size) {
  QByteArray bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(s.Pick(256));
  return bytes;
}

// The payload there now with a few bytes changed, cut short or lengthened.
QByteArray Damaged(WindowSession& s, QByteArray bytes) {
  if (bytes.isEmpty()) return RandomBytes(s, s.Pick(64));
  switch (s.Pick(3)) {
    case 0:
      for (int n = 1 + s.Pick(4); n > 0; --n)
        bytes[s.Pick(static_cast<int>(bytes.size()))] = static_cast<char>(s.Pick(256));
      return bytes;
    case 1:
      return bytes.left(s.Pick(static_cast<int>(bytes.size())));
    default:
      return bytes + RandomBytes(s, 1 + s.Pick(80));
  }
}

}  // namespace

void RunEditCommand(WindowSession& s) {
  const FrameActions& a = s.Frame().Actions();
  const int which = s.Pick(3);
  QAction* command = which == 0 ? a.cut : which == 1 ? a.copy : a.paste;
  if (s.Chance(2)) {
    if (command->isEnabled()) command->trigger();
    return;
  }
  QTest::keySequence(s.CurrentList(), QKeySequence(kShortcuts[which][s.Pick(2)]));
}

void FillClipboardWithBytes(WindowSession& s) {
  const std::string_view format = kClipFormats[static_cast<size_t>(s.Pick(kClipFormats.size()))];
  const QString name = QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
  const QMimeData* now = QGuiApplication::clipboard()->mimeData();
  QByteArray bytes;
  if (s.Chance(2) && now && !now->formats().isEmpty())
    bytes = Damaged(s, now->data(now->formats().front()));
  else
    bytes = RandomBytes(s, s.Pick(400));
  auto* data = new QMimeData;
  data->setData(name, bytes);
  QGuiApplication::clipboard()->setMimeData(data);
}

std::vector<std::string> ClipboardProblems(WindowSession& s) {
  std::vector<std::string> problems;
  const ClipboardStates expected = EvaluateClipboardStates(
      s.View().Editing(), TakeClipboardSnapshot(*s.Frame().DesktopClipboard()));
  const FrameActions& a = s.Frame().Actions();
  const std::pair<const char*, bool> checks[] = {{"Cut", a.cut->isEnabled() == expected.cut},
                                                 {"Copy", a.copy->isEnabled() == expected.copy},
                                                 {"Paste", a.paste->isEnabled() == expected.paste}};
  for (const auto& [name, agrees] : checks)
    if (!agrees) problems.push_back(std::string(name) + " enabled state disagrees with clipboard");
  return problems;
}

}  // namespace vq::test
