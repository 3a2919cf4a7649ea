#pragma once
// A calculator in its real window, driven through the shell's host, with the
// debugger opened from it. The skin has no face and plain strips: these
// tests never look at it.

#include "KeyScript.h"
#include "core/CCalc.h"
#include "printer/Breakpoints.h"
#include "shell/CMainWnd.h"
#include "shell/ShellHost.h"
#include "shell/debugger/BreakpointImages.h"
#include "shell/debugger/BreakpointValue.h"
#include "shell/debugger/CBreakpointDlg.h"
#include "shell/debugger/CDebugDlg.h"
#include "shell/debugger/ProgramListModel.h"
#include "shell/debugger/ValueListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <initializer_list>
#include <memory>

inline SkinImages PlainSkin()
{
    SkinImages images;
    images.indicators = QImage(208, 16, QImage::Format_ARGB32);
    images.indicators.fill(Qt::red);
    images.glyphs = QImage(218, 32, QImage::Format_ARGB32);
    images.glyphs.fill(Qt::red);
    return images;
}

struct DebuggerFixture {
    std::unique_ptr<CCalc> calc = std::make_unique<CCalc>();
    ShellHost host;
    std::unique_ptr<CMainWnd> window;

    DebuggerFixture()
    {
        TheBreakpoints().Clear();
        calc->SetHost(&host);
        window = std::make_unique<CMainWnd>(*calc, PlainSkin());
        host.AttachWindow(window.get());
        window->show();
    }
    ~DebuggerFixture()
    {
        if (CDebugDlg* open = CDebugDlg::Instance())
            delete open;
        host.AttachWindow(nullptr);
        window.reset();
        TheBreakpoints().Clear();
    }

    CDebugDlg& Open() { return OpenDebugger(*window); }

    // Steps written from step 0 of an area.
    void Load(std::initializer_list<int> steps, int area = 0)
    {
        int n = 0;
        for (int step : steps)
            keyscript::SetStep(*calc, area, n++, static_cast<uint8_t>(step));
    }
    void Keys(const std::string& script) { keyscript::Type(*calc, script); }
    // R/S as the debugger's button gives it, then the event loop until the
    // run has stopped (or a generous number of turns has passed).
    bool RunUntilStopped(CDebugDlg& debugger)
    {
        debugger.runStopButton->click();
        return WaitUntilStopped();
    }
    bool WaitUntilStopped()
    {
        for (int turn = 0; turn < 20000 && (calc->Mode() == CCalc::ModeRun || window->RunPending()); ++turn)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return calc->Mode() != CCalc::ModeRun && !window->RunPending();
    }
    double Register(int r) const { return calc->registers[r].ToDouble(); }
};

inline BreakpointRecord StepBreak(int conditional = 0, int op = kEqual, int reg = 0, CNombre value = {})
{
    BreakpointRecord record = BreakpointRecord::NewStep();
    record.conditional = conditional;
    record.operatorCode = op;
    record.registerNumber = reg;
    record.value = value;
    return record;
}

inline BreakpointRecord RegisterBreak(int reg, int op, CNombre value)
{
    BreakpointRecord record = BreakpointRecord::NewRegister(reg);
    record.operatorCode = op;
    record.value = value;
    return record;
}

// n x 10^power.
inline CNombre Number(int64_t n, int power = 0)
{
    return CNombre(n, 12 + power);
}

// Runs `act` on the modal dialog of the given type as soon as it shows.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        for (int turn = 0; turn < 200; ++turn) {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                act(*dialog);
                return;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    });
}

inline QString Cell(const QTreeView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}
