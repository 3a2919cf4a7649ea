#include "shell/debugger/ValueListModel.h"

#include "shell/debugger/BreakpointImages.h"
#include "shell/debugger/BreakpointValue.h"

#include <algorithm>

ValueListModel::ValueListModel(Source source, QObject* parent)
    : QAbstractTableModel(parent), source_(std::move(source))
{
}

int ValueListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : source_.rows;
}

int ValueListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ValueListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= source_.rows)
        return {};
    const int row = index.row();
    if (role == Qt::DisplayRole) {
        if (index.column() == kNumberColumn)
            return QStringLiteral("%1").arg(row + source_.firstNumber, 2, 10, QLatin1Char('0'));
        if (index.column() == kValueColumn)
            return QString::fromStdWString(FloatingText(source_.value(row)));
    }
    if (role == Qt::DecorationRole && index.column() == kNumberColumn && source_.picture) {
        const int picture = source_.picture(row);
        if (picture >= 0)
            return DebuggerPicture(picture);
    }
    return {};
}

QVariant ValueListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == kNumberColumn)
        return source_.numberHeader;
    if (section == kValueColumn)
        return QStringLiteral("Value");
    return {};
}

void ValueListModel::Changed(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, source_.rows - 1);
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
}
