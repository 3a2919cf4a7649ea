#pragma once
// The debugger's program list: steps 000 to 999 of the executing area as
// the listing walk renders them, each with its breakpoint picture, the
// current step on yellow. The lines are kept, since what a step shows
// depends on where the walk entered; a refresh replaces a range in place
// and tells the view once.

#include "printer/Breakpoints.h"
#include "printer/Listing.h"

#include <QAbstractTableModel>
#include <array>
#include <cstdint>

class ProgramListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kStepColumn = 0, kCodeColumn = 1, kInstructionColumn = 2, kColumnCount = 3 };

    ProgramListModel(const std::uint8_t* area, const BreakpointTables& breakpoints, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Steps first..last changed: their lines, and any later line the change
    // moved between instruction and operand, are walked again and replaced.
    // An operand step keeps reading as the operand of its instruction.
    void Render(int first, int last);
    // All lines from another area, or from the same one after a change.
    void RenderArea(const std::uint8_t* area);
    const std::uint8_t* Area() const { return area_; }

    // -1 for none.
    void SetCurrentStep(int step);
    int CurrentStep() const { return currentStep_; }
    // The breakpoint picture of one step changed; its text stays.
    void BreakpointChanged(int step);

    const ListingLine& Line(int step) const { return lines_[static_cast<size_t>(step)]; }

private:
    void RenderAll();
    void RowsChanged(int first, int last);

    const std::uint8_t* area_;
    const BreakpointTables& breakpoints_;
    std::array<ListingLine, ProgramSteps> lines_{};
    int currentStep_ = -1;
};

// The picture of a breakpoint slot: none, stops always, conditional.
int BreakpointPictureIndex(const std::optional<BreakpointRecord>& slot);
