// What the engine reports to the debugger. During a run these come once or
// more per step, so each only notes what changed; the frame timer shows it.
// The breakpoint watch hears of them too, and its stop is taken when the
// step is over.

#include "shell/debugger/CDebugDlg.h"

#include "core/CCalc.h"
#include "shell/CMainWnd.h"
#include "shell/debugger/BreakpointValue.h"
#include "shell/debugger/FlagStrip.h"
#include "shell/debugger/ProgramListModel.h"
#include "shell/debugger/ValueListModel.h"

#include <QLineEdit>
#include <QTreeView>
#include <algorithm>
#include <utility>

void CDebugDlg::Range::Add(int from, int to)
{
    first = std::min(first, from);
    last = std::max(last, to);
}

bool CDebugDlg::Running() const
{
    // A single step (SST) sets run mode around one step: it tests nothing.
    return calc.Mode() == CCalc::ModeRun && window.RunPending();
}

void CDebugDlg::MoveCurrentStep(int pc)
{
    if (pc < 0 || pc >= static_cast<int>(kStepSlots))
        return;
    pendingStep_ = pc;
    if (Running())
        watch_.PcMoved(pc, calc.registers);
    Changed(kDirtyCurrentStep);
}

void CDebugDlg::RefreshListing(int first, int last)
{
    if (programModel->Area() != calc.areaBase)
        programModel->RenderArea(calc.areaBase);
    else
        programModel->Render(first, last);
}

void CDebugDlg::RefreshRegisters(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(kRegisterSlots) - 1);
    if (first > last)
        return;
    if (Running())
        watch_.RegistersWritten(first, last, calc.registers);
    registersChanged_.Add(first, last);
    Changed(0);
}

void CDebugDlg::RefreshHierarchy(int first, int last)
{
    hierarchyChanged_.Add(first, last);
    Changed(0);
}

void CDebugDlg::RefreshT()
{
    Changed(kDirtyT);
}

void CDebugDlg::RefreshFlags()
{
    Changed(kDirtyFlags);
}

void CDebugDlg::RefreshDisplay()
{
    Changed(kDirtyDisplay);
    if (watch_.TakeStop())
        window.StopProgram();
}

void CDebugDlg::RepaintDebugger()
{
    Changed(0);
}

void CDebugDlg::Changed(unsigned dirty)
{
    dirty_ |= dirty;
    if (calc.Mode() != CCalc::ModeRun)
        Flush();
    else if (!frameTimer_.isActive())
        frameTimer_.start();
}

void CDebugDlg::Flush()
{
    const unsigned dirty = std::exchange(dirty_, 0u);
    // A call into a library program, or the return from one, changes what the list shows.
    if (programModel->Area() != calc.areaBase)
        programModel->RenderArea(calc.areaBase);
    if (dirty & kDirtyCurrentStep)
        ShowCurrentStep();
    if (!registersChanged_.Empty())
        registerModel->Changed(registersChanged_.first, registersChanged_.last);
    if (!hierarchyChanged_.Empty())
        hierarchyModel->Changed(hierarchyChanged_.first, hierarchyChanged_.last);
    registersChanged_ = {};
    hierarchyChanged_ = {};
    if (dirty & kDirtyT)
        ShowT();
    if (dirty & kDirtyFlags)
        flagStrip->update();
    if (dirty & kDirtyDisplay)
        ShowDisplay();
}

void CDebugDlg::ShowCurrentStep()
{
    programModel->SetCurrentStep(pendingStep_);
    if (pendingStep_ >= 0)
        programList->scrollTo(programModel->index(pendingStep_, 0));
}

void CDebugDlg::ShowDisplay()
{
    wchar_t buffer[CCalc::DisplayCapacity] = {};
    calc.GetDisplayText(buffer, false);
    buffer[CCalc::DisplayCapacity - 1] = 0;
    displayField->setText(QString::fromWCharArray(buffer));
}

void CDebugDlg::ShowT()
{
    tField->setText(QString::fromStdWString(FloatingText(calc.t)));
}
