#pragma once
// Draws list rows whose model gives them a background of their own (the
// debugger's current step) so that the mark survives selection: a selected
// marked row shows a darker shade of its own colour instead of the plain
// selection colour.

#include <QStyledItemDelegate>

class MarkedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
