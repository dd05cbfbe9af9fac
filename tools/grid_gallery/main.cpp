// grid_gallery [picture.png]: a property grid with one row of every cell kind.

#include "ui/grid/property_grid.h"
#include "ui/panes/property_pane.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

using vq::kNoParent;
using vq::RowKind;

namespace {

void fill(vq::PropertyGrid& grid)
{
  constexpr std::uint32_t kGroup = vq::PropertyPane::kGroupColor;
  constexpr std::uint32_t kSubGroup = vq::PropertyPane::kSubGroupColor;

  grid.insertRow("Show All", -1, kNoParent, 1);
  grid.setKind(1, 0, RowKind::PushButton);
  grid.setText(1, 0, "Show All");
  grid.setKind(1, 1, RowKind::PushButton);
  grid.setText(1, 1, "Hide All");
  grid.setTicked(1, 1, true);

  grid.insertRow("", -1, kNoParent, 2);
  grid.setKind(2, 0, RowKind::Group);
  grid.setText(2, 0, "General");
  for (int column : {0, 1}) grid.setBackgroundColor(2, column, kGroup);
  int id = 10;
  const auto row = [&](const char* label, RowKind kind, const char* text, int parent = 2) {
    grid.insertRow(label, 0, parent, id);
    grid.setFocusable(id, 0, false);
    grid.setKind(id, 1, kind);
    grid.setText(id, 1, text);
    return id++;
  };
  row("Name", RowKind::Text, "Das Erste HD");
  const int number = row("Frequency", RowKind::Number, "");
  grid.setRange(number, 1, 3000, 12750);
  grid.setNumber(number, 1, 11494);
  grid.setUnit(number, 1, " MHz");
  const int options = row("Polarization", RowKind::OptionList, "");
  grid.setOptions(options, 1, {"Horizontal", "Vertical"});
  grid.setText(options, 1, "Horizontal");
  const int editable = row("High freq", RowKind::EditableOption, "10600 MHz");
  grid.setOptions(editable, 1, {"9750 MHz", "10600 MHz"});
  const int percent = row("OSD Trans(%)", RowKind::Percentage, "40");
  grid.setStep(percent, 1, 10);
  grid.setTicked(row("Locked", RowKind::CheckBox, ""), 1, true);
  grid.setIndeterminate(row("Scrambled", RowKind::CheckBox, "mixed"), 1, true);
  const int styled = row("Tick style", RowKind::CheckBox, "Favorites 1");
  grid.setCheckStyle(styled, 1, 8);
  grid.setTicked(styled, 1, true);
  const int time = row("Start Time", RowKind::DateTime, "");
  grid.setDateTimeFormat(time, 1, "HH:mm   dd (ddd)");
  grid.setText(time, 1, "20:15   15 (Tue)");
  row("Select", RowKind::PushButton, "Select");
  const int disabled = row("Port", RowKind::OptionList, "-");
  grid.setEnabled(disabled, 0, false);
  grid.setEnabled(disabled, 1, false);

  grid.insertRow("", -1, 2, 3);
  grid.setKind(3, 0, RowKind::Group);
  grid.setText(3, 0, "Track 1");
  grid.setKind(3, 1, RowKind::Radio);
  grid.setTicked(3, 1, true);
  grid.setText(3, 1, "101(eng)");
  for (int column : {0, 1}) grid.setBackgroundColor(3, column, kSubGroup);
  row("Audio PID", RowKind::Number, "101", 3);
  grid.expand(3);
  grid.expand(2);

  grid.insertRow("", -1, kNoParent, 4);
  grid.setKind(4, 0, RowKind::Group);
  grid.setText(4, 0, "Satellite");
  grid.setText(4, 1, "Astra 19.2E(19.2E)");
  for (int column : {0, 1}) grid.setBackgroundColor(4, column, kGroup);
  row("Name", RowKind::Text, "Astra 19.2E", 4);
  grid.select(10, 1, true, false, false);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vq::PropertyGrid grid;
    grid.setWindowTitle("Property grid gallery");
    grid.setImages({QApplication::style()->standardIcon(QStyle::SP_FileIcon)});
    grid.insertColumn(0, "Name", 150);
    grid.insertColumn(1, "Value", 220);
    grid.resize(400, 470);
    fill(grid);
    if (argc > 1) {
        grid.show();
        grid.setFocus();
        QApplication::processEvents();
        return grid.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    grid.show();
    return QApplication::exec();
}
