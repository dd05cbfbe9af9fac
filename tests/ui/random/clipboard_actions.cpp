#include "clipboard_actions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QTest>
#include <algorithm>
#include <tuple>

#include "editing/clipboard/clip_formats.h"
#include "editing/clipboard/clip_payloads.h"
#include "editing/clipboard/clipboard_snapshot.h"
#include "editing/clipboard/clipboard_states.h"
#include "editing/clipboard/qt/qt_clipboard.h"
#include "ui/app/frame/main_frame.h"
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

// Four 0xFF bytes over the start of a record: the free-slot marker, where a
// channel's or a transponder's name begins.
template <class Record>
void MarkFree(Record& record) {
  std::fill_n(record.begin(), 4, 0xFF);
}

void MarkFree(TransponderBlock& block) {
  MarkFree(block.transponder);
  for (StoredChannel& channel : block.channels) MarkFree(channel);
}

QByteArray Bytes(const std::vector<uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// A payload of `format` whose every channel and transponder name starts
// with four 0xFF bytes, as another program may put; empty when `bytes` is
// no payload of that format.
QByteArray WithFreeMarkerNames(std::string_view format, const QByteArray& bytes) {
  const std::span<const uint8_t> in(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                    static_cast<size_t>(bytes.size()));
  for (int type = kTv; type <= kData; ++type) {
    if (format == ChannelClipFormat(type))
      if (auto clip = ParseChannelClip(in, type)) {
        MarkFree(clip->transponder);
        MarkFree(clip->channel);
        return Bytes(EncodeChannelClip(*clip));
      }
    if (format == ChannelListClipFormat(type))
      if (auto clips = ParseChannelListClip(in, type)) {
        for (ChannelClip& clip : *clips) MarkFree(clip.channel);
        return Bytes(EncodeChannelListClip(*clips));
      }
  }
  if (format == kClipTransponder)
    if (auto clip = ParseTransponderClip(in)) {
      MarkFree(clip->block);
      return Bytes(EncodeTransponderClip(*clip));
    }
  if (format == kClipTransponders)
    if (auto clips = ParseTransponderListClip(in)) {
      for (TransponderClip& clip : *clips) MarkFree(clip.block);
      return Bytes(EncodeTransponderListClip(*clips));
    }
  if (format == kClipSatellite)
    if (auto clip = ParseSatelliteClip(in)) {
      for (TransponderBlock& block : clip->transponders) MarkFree(block);
      return Bytes(EncodeSatelliteClip(*clip));
    }
  return {};
}

// The records of the editor's payload on the clipboard, under its format,
// with names that mark free slots; empty when there is none.
std::pair<QString, QByteArray> FreeMarkerPayload() {
  const QMimeData* now = QGuiApplication::clipboard()->mimeData();
  if (!now || now->formats().isEmpty()) return {};
  const QString format = now->formats().front();
  return {format, WithFreeMarkerNames(format.toStdString(), now->data(format))};
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

void PasteNamesThatMarkFreeSlots(WindowSession& s) {
  const FrameActions& a = s.Frame().Actions();
  auto [format, bytes] = FreeMarkerPayload();
  // Without records to change, the user copies some rows of the list first.
  if (bytes.isEmpty() || !a.paste->isEnabled()) {
    RecordTableView* list = s.CurrentList();
    if (list && !list->selectionModel()->hasSelection()) {
      const std::vector<int> rows = s.RandomRows(list->model()->rowCount());
      if (!rows.empty()) list->SelectRows(rows);
    }
    if (a.copy->isEnabled()) a.copy->trigger();
    std::tie(format, bytes) = FreeMarkerPayload();
  }
  if (bytes.isEmpty()) return;
  auto* data = new QMimeData;
  data->setData(format, bytes);
  QGuiApplication::clipboard()->setMimeData(data);
  if (a.paste->isEnabled() && !s.Chance(4)) a.paste->trigger();
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
