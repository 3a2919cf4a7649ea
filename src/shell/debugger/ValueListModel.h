#pragma once
// A list of numbered values read live from the engine: the data registers
// (with their breakpoint pictures) and the hierarchy registers. Nothing is
// copied, so a change only has to name its lines for the view to repaint.

#include "numbers/CNombre.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>

class ValueListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNumberColumn = 0, kValueColumn = 1, kColumnCount = 2 };

    struct Source {
        QString numberHeader;               // "Mem", "Hir"
        int rows = 0;
        int firstNumber = 0;                // the number shown on line 0
        std::function<CNombre(int)> value;  // of line i
        std::function<int(int)> picture;    // of line i, or -1 for none
    };

    explicit ValueListModel(Source source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Lines first..last (clamped) show new values or pictures.
    void Changed(int first, int last);

private:
    Source source_;
};
