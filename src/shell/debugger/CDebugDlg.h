#pragma once
// "TI 59 Debugger": a modeless window over the running calculator, with the
// program listing, the data and hierarchy registers, the display, t and the
// flags, SST and R/S, and breakpoints on steps and registers. While it
// exists (shown or hidden) the engine tells it what changes and its
// breakpoints are tested; the close box destroys it.
//
// During a run the engine reports every step; the window only notes what
// changed and shows it at the screen's refresh rate. Whenever the
// calculator is not running, everything is shown at once.

#include "printer/Breakpoints.h"
#include "shell/dialogs/CDlg.h"

#include <QPoint>
#include <QSize>
#include <QTimer>
#include <climits>

class CCalc;
class CMainWnd;
class FlagStrip;
class ProgramListModel;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;
class ValueListModel;

enum class BreakpointList { Steps, Registers };

class CDebugDlg : public CDlg {
    Q_OBJECT
public:
    static constexpr int kTemplate = 137;
    enum Control {
        kProgramList = 1025,
        kRegisterList = 1026,
        kHierarchyList = 1027,
        kDisplayField = 1033,
        kTField = 1034,
        kSst = 1035,
        kRunStop = 1036,
        kSetBreakpoint = 32773,
        kClearBreakpoint = 32774,
    };

    CDebugDlg(CMainWnd& window, BreakpointTables& breakpoints = TheBreakpoints());
    ~CDebugDlg() override;

    // The open debugger, hidden or not; null when there is none.
    static CDebugDlg* Instance() { return open_; }

    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    bool OnMessage(QEvent* event) override;

    // --- what the engine reports ---
    void MoveCurrentStep(int pc);
    void RefreshListing(int first, int last);
    void RefreshRegisters(int first, int last);
    void RefreshHierarchy(int first, int last);
    void RefreshT();
    void RefreshFlags();
    void RefreshDisplay();
    void RepaintDebugger();

    // --- breakpoints, as the right-click menu offers them ---
    // The menu for a line of the program or register list; null off the lines.
    QMenu* BreakpointMenu(BreakpointList list, int line);
    // Opens "Setup breakpoint" for the line; true when it ended with OK.
    bool EditBreakpoint(BreakpointList list, int line);
    void ClearBreakpoint(BreakpointList list, int line);

    // Shows everything noted during a run now.
    void Flush();

    CCalc& calc;
    CMainWnd& window;
    BreakpointTables& breakpoints;

    QTreeView* programList;
    QTreeView* registerList;
    QTreeView* hierarchyList;
    QLabel* displayLabel;
    QLineEdit* displayField;
    QLabel* tLabel;
    QLineEdit* tField;
    QPushButton* sstButton;
    QPushButton* runStopButton;
    FlagStrip* flagStrip;
    ProgramListModel* programModel;
    ValueListModel* registerModel;
    ValueListModel* hierarchyModel;

    QSize InitialSize() const { return initialSize_; }

private:
    struct Range {
        int first = INT_MAX;
        int last = INT_MIN;
        void Add(int from, int to);
        bool Empty() const { return first > last; }
    };
    enum Dirty : unsigned {
        kDirtyCurrentStep = 1u << 0,
        kDirtyT = 1u << 1,
        kDirtyFlags = 1u << 2,
        kDirtyDisplay = 1u << 3,
    };

    void CreateLists();
    void CreateFields();
    void RecalcLayout();
    void ShowListMenu(QTreeView* view, BreakpointList list, const QPoint& position);
    // Null for a line outside the table.
    std::optional<BreakpointRecord>* SlotOf(BreakpointList list, int line);
    void BreakpointLineChanged(BreakpointList list, int line);
    void CloseWindow();
    // A step of a live run, not a single step: breakpoints are tested.
    bool Running() const;
    void Changed(unsigned dirty);
    void ShowCurrentStep();
    void ShowDisplay();
    void ShowT();

    static inline CDebugDlg* open_ = nullptr;

    QSize initialSize_;
    QTimer frameTimer_;
    unsigned dirty_ = 0;
    Range registersChanged_;
    Range hierarchyChanged_;
    int pendingStep_ = -1;
    BreakpointWatch watch_{breakpoints};
    int menuLine_ = -1;
    BreakpointList menuList_ = BreakpointList::Steps;
};

// The "&Debug..." command: shows the open debugger, or opens one 4 pixels
// right of the main window, level with its top.
CDebugDlg& OpenDebugger(CMainWnd& window);
