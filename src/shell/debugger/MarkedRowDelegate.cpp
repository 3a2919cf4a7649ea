#include "shell/debugger/MarkedRowDelegate.h"

void MarkedRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->backgroundBrush.style() == Qt::NoBrush)
        return;
    option->palette.setColor(QPalette::Highlight, option->backgroundBrush.color().darker(140));
    option->palette.setColor(QPalette::HighlightedText, Qt::black);
}
