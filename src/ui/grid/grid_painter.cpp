#include "ui/grid/grid_painter.h"

#include "ui/grid/scheme_colors.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace vq::GridPainter {
namespace {

constexpr int kPad = 4;

bool isMarked(const GridCell& cell) { return cell.kind == RowKind::CheckBox || cell.kind == RowKind::Radio; }

/// The advance of `text` in `font`. Laying out text is the costly part of
/// fitting a grid's columns, and a pane shows the same names and values at
/// every refresh, so advances are kept per font and text, a bounded number.
qreal textAdvance(const QFont& font, const QString& text)
{
    static QHash<QString, qreal> advances;
    const QString key = font.key() + QChar(u'\n') + text;
    if (const auto known = advances.constFind(key); known != advances.constEnd())
        return *known;
    if (advances.size() >= 4096)
        advances.clear();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    advances.insert(key, advance);
    return advance;
}

/// Left edge of the content of column 0 after indentation and the box slot.
int contentLeft(const QWidget& widget, const CellPaint& p)
{
    if (p.column != 0)
        return p.rect.left() + kPad;
    return p.rect.left() + kPad + (p.depth + 1) * indentWidth(widget);
}

/// In a dark scheme a style draws its box's rim in a shade of the window
/// colour, which vanishes on a dark cell: the rim is drawn again in a shade
/// that stands out from the cell (3:1, as a control's outline needs).
void outlineOnDark(QPainter& painter, const QWidget& widget, const CellPaint& p, const QRect& box, bool round)
{
    const QPalette& palette = widget.palette();
    if (!SchemeColors::isDark(palette))
        return;
    const QColor cell = cellColors(palette, p.cell).background;
    const QColor rim = SchemeColors::readableOn(palette.color(QPalette::Disabled, QPalette::Text), cell,
                                                SchemeColors::kDisabledContrast);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (round) {
        // Wider, so the antialiased ring keeps whole pixels of its colour.
        painter.setPen(QPen(rim, 1.5));
        painter.drawEllipse(QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75));
    } else {
        painter.setPen(QPen(rim, 1.0));
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    painter.restore();
}

void paintCheckMark(QPainter& painter, const QWidget& widget, const CellPaint& p, const QRect& box)
{
    const GridCell& cell = p.cell;
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = box;
    option.state = QStyle::State_None;
    if (cell.has(CellFlag::Enabled))
        option.state |= QStyle::State_Enabled;
    else
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    const int state = cell.checkState();
    option.state |= state == 1 ? QStyle::State_On : state == 2 ? QStyle::State_NoChange : QStyle::State_Off;
    const int style = static_cast<int>(cell.flags & CellFlag::CheckStyleMask);
    if (cell.kind == RowKind::Radio || style == 16) {
        widget.style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, &widget);
        outlineOnDark(painter, widget, p, box, true);
        return;
    }
    if (style == 0) {
        widget.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, &widget);
        outlineOnDark(painter, widget, p, box, false);
        return;
    }
    // Flat looks: a tick (8), a cross (24) or a filled square (32), on no box.
    const QColor ink = cellColors(widget.palette(), cell).text;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, qMax(1.5, box.width() / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r = QRectF(box).adjusted(box.width() * 0.2, box.height() * 0.2, -box.width() * 0.2, -box.height() * 0.2);
    if (state == 2) {
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    } else if (state == 1 && style == 8) {
        painter.drawPolyline(QPolygonF({QPointF(r.left(), r.center().y()), QPointF(r.left() + r.width() * 0.4, r.bottom()),
                                        r.topRight()}));
    } else if (state == 1 && style == 24) {
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.bottomLeft(), r.topRight());
    } else if (style == 32) {
        painter.drawRect(r);
        if (state == 1)
            painter.fillRect(r.adjusted(2, 2, -2, -2), ink);
    }
    painter.restore();
}

void paintExpandBox(QPainter& painter, const QWidget& widget, const CellPaint& p, const QRect& box)
{
    QStyleOption option;
    option.initFrom(&widget);
    option.rect = box;
    option.state = QStyle::State_Children | QStyle::State_Item;
    if (p.cell.has(CellFlag::Expanded))
        option.state |= QStyle::State_Open;
    if (p.cell.has(CellFlag::Enabled))
        option.state |= QStyle::State_Enabled;
    widget.style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, &widget);
}

void paintButton(QPainter& painter, const QWidget& widget, const CellPaint& p)
{
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = p.rect.adjusted(1, 1, -1, -1);
    option.text = QString::fromLatin1(p.cell.text);
    option.state = QStyle::State_Raised;
    if (p.cell.has(CellFlag::Enabled))
        option.state |= QStyle::State_Enabled;
    else
        option.palette.setCurrentColorGroup(QPalette::Disabled); // greyed caption
    if (p.cell.has(CellFlag::Ticked))
        option.state = (option.state & ~QStyle::State_Raised) | QStyle::State_Sunken;
    if (p.focused)
        option.state |= QStyle::State_HasFocus;
    widget.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &widget);
}

void paintPercentage(QPainter& painter, const QWidget& widget, const CellPaint& p)
{
    QStyleOptionProgressBar option;
    option.initFrom(&widget);
    option.rect = p.rect.adjusted(2, 2, -2, -2);
    option.minimum = p.cell.minimum;
    option.maximum = p.cell.maximum;
    option.progress = p.cell.value;
    option.text = QString::asprintf("%d%%", p.cell.value);
    option.textVisible = true;
    option.textAlignment = Qt::AlignCenter;
    option.state = p.cell.has(CellFlag::Enabled) ? QStyle::State_Enabled : QStyle::State_None;
    option.state |= QStyle::State_Horizontal;
    widget.style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, &widget);
}

void paintComboArrow(QPainter& painter, const QWidget& widget, const CellPaint& p, QRect& textRect)
{
    const int width = widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget);
    QStyleOption option;
    option.initFrom(&widget);
    option.rect = QRect(p.rect.right() - width + 1, p.rect.top(), width, p.rect.height());
    option.state = p.cell.has(CellFlag::Enabled) ? QStyle::State_Enabled : QStyle::State_None;
    // Styles draw the arrow in one of these; each must contrast with the cell.
    const QColor ink = cellColors(widget.palette(), p.cell).text;
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        option.palette.setColor(role, ink);
    widget.style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, &widget);
    textRect.setRight(option.rect.left() - 2);
}

int iconSize(const QWidget& widget, const CellPaint& p)
{
    return qMin(p.rect.height() - 2, widget.style()->pixelMetric(QStyle::PM_SmallIconSize));
}

/// Where the text goes: after the indentation, the mark or expand box and
/// the row's image.
QRect textArea(const QWidget& widget, const CellPaint& p)
{
    QRect textRect = p.rect.adjusted(kPad, 0, -kPad, 0);
    textRect.setLeft(contentLeft(widget, p));
    if (const QRect mark = markRect(widget, p); !mark.isEmpty())
        textRect.setLeft(qMax(textRect.left(), mark.right() + kPad + 1));
    if (p.icon != nullptr && p.column == 0)
        textRect.setLeft(textRect.left() + iconSize(widget, p) + kPad);
    return textRect;
}

} // namespace

CellColors cellColors(const QPalette& palette, const GridCell& cell)
{
    if (cell.has(CellFlag::Selected)) {
        const QColor highlight = palette.color(QPalette::Highlight);
        const QColor ink = cell.has(CellFlag::Enabled) ? palette.color(QPalette::HighlightedText)
                                                        : SchemeColors::disabledText(palette, highlight);
        return {highlight, ink};
    }
    const QColor background = SchemeColors::background(palette, cell.backgroundColor);
    const QColor ink = cell.has(CellFlag::Enabled) ? SchemeColors::text(palette, cell.textColor, background)
                                                    : SchemeColors::disabledText(palette, background);
    return {background, ink};
}

QFont cellFont(const QWidget& widget, const GridCell& cell)
{
    QFont font = widget.font();
    font.setBold(cell.kind == RowKind::Group);
    return font;
}

QString shownText(const GridCell& cell)
{
    QString text = QString::fromLatin1(cell.text);
    if (cell.kind == RowKind::Number)
        text += QString::fromLatin1(cell.unit);
    return text;
}

int contentWidth(const QWidget& widget, const CellPaint& p)
{
    const QString text = shownText(p.cell);
    // Text is laid out in fractions of a pixel: round up, and keep one
    // pixel to spare, so that a text measured to fit is never elided.
    const int textWidth =
        static_cast<int>(std::ceil(textAdvance(cellFont(widget, p.cell), text))) + 1;
    if (p.cell.kind == RowKind::PushButton) {
        // The style's button frame and margins around the caption.
        const int margin = widget.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget);
        return textWidth + 2 * margin + 2 * kPad;
    }
    int width = textArea(widget, p).left() - p.rect.left() + textWidth + kPad;
    if (p.cell.isOptionList())
        width += widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget) + 2;
    return width;
}

int indentWidth(const QWidget& widget)
{
    return qMax(12, widget.fontMetrics().height());
}

QRect markRect(const QWidget& widget, const CellPaint& p)
{
    if (p.cell.kind == RowKind::Group && p.column == 0) {
        const int size = indentWidth(widget);
        const int left = p.rect.left() + kPad + p.depth * size;
        return {left, p.rect.center().y() - size / 2, size, size};
    }
    if (!isMarked(p.cell))
        return {};
    const bool radio = p.cell.kind == RowKind::Radio || (p.cell.flags & CellFlag::CheckStyleMask) == 16;
    const QStyle* style = widget.style();
    const int w = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &widget);
    const int h = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, &widget);
    return {contentLeft(widget, p), p.rect.top() + (p.rect.height() - h) / 2, w, h};
}

void paintCell(QPainter& painter, const QWidget& widget, const CellPaint& p)
{
    const GridCell& cell = p.cell;
    const CellColors colors = cellColors(widget.palette(), cell);
    painter.fillRect(p.rect, colors.background);

    if (cell.kind == RowKind::PushButton) {
        paintButton(painter, widget, p);
        return;
    }
    if (const QRect mark = markRect(widget, p); !mark.isEmpty()) {
        if (cell.kind == RowKind::Group)
            paintExpandBox(painter, widget, p, mark);
        else
            paintCheckMark(painter, widget, p, mark);
    }
    QRect textRect = textArea(widget, p);
    if (p.icon != nullptr && p.column == 0) {
        const int size = iconSize(widget, p);
        p.icon->paint(&painter, QRect(textRect.left() - size - kPad, p.rect.center().y() - size / 2, size, size));
    }
    if (cell.kind == RowKind::Percentage) {
        paintPercentage(painter, widget, p);
        return;
    }
    if (cell.isOptionList())
        paintComboArrow(painter, widget, p, textRect);

    painter.setFont(cellFont(widget, cell));
    painter.setPen(colors.text);
    const QString text = shownText(cell);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));

    if (p.focused) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&widget);
        focus.rect = p.rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = colors.background;
        widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
    }
}

} // namespace vq::GridPainter
