#include "shell/debugger/ProgramListModel.h"

#include "shell/debugger/BreakpointImages.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace {
const QColor kCurrentStepBackground(255, 255, 0);
}

int BreakpointPictureIndex(const std::optional<BreakpointRecord>& slot)
{
    if (!slot)
        return kImageNoBreakpoint;
    return slot->conditional ? kImageBreakConditional : kImageBreakAlways;
}

ProgramListModel::ProgramListModel(const std::uint8_t* area, const BreakpointTables& breakpoints,
                                   QObject* parent)
    : QAbstractTableModel(parent), area_(area), breakpoints_(breakpoints)
{
    RenderAll();
}

int ProgramListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ProgramSteps;
}

int ProgramListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ProgramListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= ProgramSteps)
        return {};
    const ListingLine& line = lines_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kStepColumn: return QStringLiteral("%1").arg(line.step, 3, 10, QLatin1Char('0'));
        case kCodeColumn: return QStringLiteral("%1").arg(line.code, 2, 10, QLatin1Char('0'));
        case kInstructionColumn: return QString::fromStdWString(line.Instruction());
        default: return {};
        }
    case Qt::DecorationRole:
        if (index.column() == kStepColumn)
            return DebuggerPicture(BreakpointPictureIndex(breakpoints_.steps[static_cast<size_t>(index.row())]));
        return {};
    case Qt::BackgroundRole:
        if (index.row() == currentStep_)
            return QBrush(kCurrentStepBackground);
        return {};
    default:
        return {};
    }
}

QVariant ProgramListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kStepColumn: return QStringLiteral("Step");
    case kCodeColumn: return QStringLiteral("Code");
    case kInstructionColumn: return QStringLiteral("Instruction");
    default: return {};
    }
}

void ProgramListModel::Render(int first, int last)
{
    first = std::clamp(first, 0, ProgramSteps - 1);
    last = std::clamp(last, 0, ProgramSteps - 1);
    if (last < first)
        return;
    // Steps before the change keep their places, so the walk may start at
    // the instruction that owns `first`; it runs on to the end, since a new
    // instruction can turn later steps into operands or back.
    int start = first;
    while (start > 0 && lines_[static_cast<size_t>(start)].isOperand)
        --start;
    int changedFirst = first;
    int changedLast = last;
    for (const ListingLine& line : FormatListing(ProgramArea(area_, ProgramSteps), start, ProgramSteps - 1)) {
        ListingLine& kept = lines_[static_cast<size_t>(line.step)];
        if (kept == line)
            continue;
        kept = line;
        changedFirst = std::min(changedFirst, line.step);
        changedLast = std::max(changedLast, line.step);
    }
    RowsChanged(changedFirst, changedLast);
}

void ProgramListModel::RenderAll()
{
    for (const ListingLine& line : FormatListing(ProgramArea(area_, ProgramSteps), 0, ProgramSteps - 1))
        lines_[static_cast<size_t>(line.step)] = line;
    RowsChanged(0, ProgramSteps - 1);
}

void ProgramListModel::RenderArea(const std::uint8_t* area)
{
    area_ = area;
    RenderAll();
}

void ProgramListModel::SetCurrentStep(int step)
{
    if (step < -1 || step >= ProgramSteps)
        step = -1;
    if (step == currentStep_)
        return;
    const int previous = currentStep_;
    currentStep_ = step;
    if (previous >= 0)
        RowsChanged(previous, previous);
    if (step >= 0)
        RowsChanged(step, step);
}

void ProgramListModel::BreakpointChanged(int step)
{
    if (step >= 0 && step < ProgramSteps)
        emit dataChanged(index(step, kStepColumn), index(step, kStepColumn), {Qt::DecorationRole});
}

void ProgramListModel::RowsChanged(int first, int last)
{
    emit dataChanged(index(first, 0), index(last, kColumnCount - 1));
}
