#include "history_actions.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "ui/app/frame/main_frame.h"
#include "ui/view/find_bar.h"
#include "ui/view/record_table_view.h"
#include "ui/view/vq_channel_editor_view.h"
#include "window_session.h"

namespace vq::test {
namespace {

// Types `text` as keystrokes; letters beyond ASCII go as key events with
// their text, as an input method sends them.
void TypeInto(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    // QTest knows keys for printable ASCII only; a control character found
    // in a name arrives as text, as an input method sends it.
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
      QTest::keyClicks(field, QString(c));
    else
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void TriggerIfEnabled(QAction* action) {
  if (action->isEnabled()) action->trigger();
}

// A piece of a random cell of the current list, in random case, or one of
// its numbers; sometimes a text nothing holds.
QString SearchText(WindowSession& s) {
  RecordTableView* list = s.CurrentList();
  const QAbstractItemModel* model = list->model();
  if (model->rowCount() == 0 || s.Chance(8)) return "zz#no such";
  const QString cell =
      model->index(s.Pick(model->rowCount()), s.Pick(model->columnCount())).data().toString();
  if (s.Chance(3)) {
    const QRegularExpressionMatch number = QRegularExpression("\\d+").match(cell);
    if (number.hasMatch()) return number.captured();
  }
  const int from = s.Pick(static_cast<int>(cell.size()));
  const QString piece = cell.mid(from, 1 + s.Pick(6));
  return s.Chance(2) ? piece.toUpper() : piece.toLower();
}

}  // namespace

void UndoLastChange(WindowSession& s) { TriggerIfEnabled(s.Frame().Actions().undo); }

void RedoNextChange(WindowSession& s) { TriggerIfEnabled(s.Frame().Actions().redo); }

void FindInList(WindowSession& s) {
  const FrameActions& a = s.Frame().Actions();
  a.find->trigger();
  FindBar* bar = s.View().Find();
  bar->Field()->clear();
  TypeInto(bar->Field(), SearchText(s));
  switch (s.Pick(5)) {
    case 0:
      a.findNext->trigger();
      break;
    case 1:
      a.findPrevious->trigger();
      break;
    case 2:
      QTest::keyClick(bar->Field(), Qt::Key_Return);
      break;
    case 3:
      bar->SelectAllButton()->click();
      break;
    default:
      QTest::keyClick(bar->Field(), Qt::Key_Escape);
      break;
  }
}

}  // namespace vq::test
