#include "ui/grid/grid_editors.h"

#include "ui/grid/property_grid.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace vq {
namespace {

QDateTime toQt(const DateTimeValue& v)
{
    return {QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second)};
}

DateTimeValue fromQt(const QDateTime& t)
{
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

QToolButton* spinButton(QWidget* parent, QLineEdit* edit, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // A click must leave the focus in the edit box, or the edit would end.
    button->setFocusPolicy(Qt::ClickFocus);
    button->setFocusProxy(edit);
    button->hide();
    return button;
}

} // namespace

GridEditors::GridEditors(PropertyGrid& grid)
    : grid_(grid), line_(new QLineEdit(grid.viewport())), up_(spinButton(grid.viewport(), line_, Qt::UpArrow)),
      down_(spinButton(grid.viewport(), line_, Qt::DownArrow)), combo_(new QComboBox(grid.viewport())),
      dateTime_(new QDateTimeEdit(grid.viewport()))
{
    for (QWidget* editor : {static_cast<QWidget*>(line_), static_cast<QWidget*>(combo_), static_cast<QWidget*>(dateTime_)}) {
        editor->hide();
        editor->installEventFilter(this);
    }
    line_->setFrame(false);
    connect(line_, &QLineEdit::textEdited, this, [this](const QString& text) { filterText(text); });
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(combo_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (!isOpen() || combo_->isEditable())
            return;
        const int row = rowId_;
        const int column = column_;
        close(false);
        grid_.controller_.chooseOption(row, column, index);
    });
}

bool GridEditors::open(int rowId, int column)
{
    close(true);
    const GridCell* cell = grid_.cell(rowId, column);
    const QRect rect = grid_.cellRect(rowId, column);
    if (cell == nullptr || rect.isEmpty() || !grid_.controller_.canEdit(rowId, column))
        return false;
    rowId_ = rowId;
    column_ = column;
    if (cell->isOptionList())
        openCombo(rect);
    else if (cell->kind == RowKind::DateTime)
        openDateTime(rect);
    else
        openLine(rect);
    active_->setFocus(Qt::OtherFocusReason);
    return true;
}

void GridEditors::openLine(const QRect& rect)
{
    const GridCell& cell = *grid_.cell(rowId_, column_);
    line_->setMaxLength(cell.textLimit < 0 ? 32767 : cell.textLimit);
    line_->setText(QString::fromLatin1(cell.text));
    lastGood_ = line_->text();
    line_->selectAll();
    QRect box = rect;
    if (cell.hasRange()) {
        const int half = rect.height() / 2;
        const int width = qMax(14, rect.height() * 3 / 4);
        box.setRight(rect.right() - width);
        up_->setGeometry(box.right() + 1, rect.top(), width, half);
        down_->setGeometry(box.right() + 1, rect.top() + half, width, rect.height() - half);
        up_->show();
        down_->show();
    }
    line_->setGeometry(box);
    line_->show();
    active_ = line_;
}

void GridEditors::openCombo(const QRect& rect)
{
    const GridCell& cell = *grid_.cell(rowId_, column_);
    combo_->setEditable(cell.kind == RowKind::EditableOption);
    combo_->clear();
    for (const std::string& option : cell.options)
        combo_->addItem(QString::fromLatin1(option));
    combo_->setCurrentIndex(cell.findOption(cell.text));
    if (combo_->isEditable()) {
        combo_->lineEdit()->setMaxLength(cell.textLimit < 0 ? 32767 : cell.textLimit);
        combo_->setEditText(QString::fromLatin1(cell.text));
        combo_->lineEdit()->selectAll();
    }
    combo_->setGeometry(rect);
    combo_->show();
    active_ = combo_;
    if (!combo_->isEditable())
        combo_->showPopup();
}

void GridEditors::openDateTime(const QRect& rect)
{
    const GridCell& cell = *grid_.cell(rowId_, column_);
    DateTimeValue value = currentDateTime();
    parseDateTime(cell.dateTimeFormat, cell.text, value);
    dateTime_->setDisplayFormat(QString::fromLatin1(toQtDateTimeFormat(cell.dateTimeFormat)));
    dateTime_->setDateTime(toQt(value));
    dateTime_->setGeometry(rect);
    dateTime_->show();
    active_ = dateTime_;
}

void GridEditors::filterText(const QString& text)
{
    const GridCell* cell = grid_.cell(rowId_, column_);
    if (cell == nullptr)
        return;
    bool good = true;
    if (cell->hasRange() || cell->has(CellFlag::DigitsOnly)) {
        // Only '0'..'9': other scripts' digits have no Latin-1 form. A minus
        // sign may lead when the range reaches below zero.
        const bool sign = cell->hasRange() && cell->minimum < 0;
        for (int i = 0; i < text.size() && good; ++i) {
            const QChar c = text[i];
            good = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (sign && i == 0 && c == QLatin1Char('-'));
        }
    }
    if (good) {
        lastGood_ = text;
        return;
    }
    const qsizetype cursor = line_->cursorPosition() - (text.size() - lastGood_.size());
    line_->setText(lastGood_);
    line_->setCursorPosition(static_cast<int>(qBound(qsizetype{0}, cursor, lastGood_.size())));
}

void GridEditors::step(int direction)
{
    const GridCell* cell = grid_.cell(rowId_, column_);
    if (cell == nullptr)
        return;
    const long long next = readDecimal(line_->text().toStdString()) + static_cast<long long>(direction) * cell->step;
    line_->setText(QString::number(clampInt(next, cell->minimum, cell->maximum)));
    lastGood_ = line_->text();
    line_->selectAll();
}

void GridEditors::close(bool save)
{
    if (!isOpen())
        return;
    const bool hadFocus = active_ != nullptr && active_->hasFocus();
    if (save)
        commit();
    rowId_ = column_ = -1;
    for (QWidget* editor : {static_cast<QWidget*>(line_), static_cast<QWidget*>(up_), static_cast<QWidget*>(down_),
                            static_cast<QWidget*>(combo_), static_cast<QWidget*>(dateTime_)})
        editor->hide();
    active_ = nullptr;
    if (hadFocus)
        grid_.setFocus(Qt::OtherFocusReason);
    grid_.viewport()->update();
    emit grid_.editingFinished();
}

void GridEditors::commit()
{
    // The edit counts as ended before the owner or a message box sees it, so
    // the focus they take cannot commit it a second time.
    const int row = std::exchange(rowId_, -1);
    const int column = column_;
    if (active_ == line_)
        grid_.controller_.commitText(row, column, line_->text().toLatin1().toStdString());
    else if (active_ == combo_ && combo_->isEditable())
        grid_.controller_.commitOptionText(row, column, combo_->currentText().toLatin1().toStdString());
    else if (active_ == dateTime_)
        grid_.controller_.commitDateTime(row, column, fromQt(dateTime_->dateTime()));
}

bool GridEditors::eventFilter(QObject* watched, QEvent* event)
{
    if (!isOpen() || watched != active_)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            close(false);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            close(true);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            close(true);
    }
    return false;
}

} // namespace vq
