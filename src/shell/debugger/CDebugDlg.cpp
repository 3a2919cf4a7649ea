#include "shell/debugger/CDebugDlg.h"

#include "core/CCalc.h"
#include "shell/CMainWnd.h"
#include "shell/debugger/BreakpointImages.h"
#include "shell/debugger/CBreakpointDlg.h"
#include "shell/debugger/FlagStrip.h"
#include "shell/debugger/MarkedRowDelegate.h"
#include "shell/debugger/ProgramListModel.h"
#include "shell/debugger/ValueListModel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

namespace {
constexpr int kGap = 8;
constexpr int kProgramListWidth = 240;
constexpr int kRightColumnX = kGap + kProgramListWidth + kGap;
constexpr int kRightColumnWidth = 224;
constexpr int kClientWidth = kRightColumnX + kRightColumnWidth + kGap;
constexpr int kFlagsAboveRegisters = 20;
constexpr int kRegisterListTop = kGap + kFlagsAboveRegisters;
constexpr int kRegisterListHeight = 220;
constexpr int kHierarchyListHeight = 186;
constexpr int kFieldHeight = 24;
constexpr int kFieldLabelWidth = 72;
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 28;
constexpr int kNumberColumnWidth = 60;
constexpr int kCodeColumnWidth = 40;
constexpr int kDebuggerGap = 4;
constexpr int kDefaultRefreshRate = 60;

// Everything below the register list, from its bottom edge, before any
// extra height is given.
constexpr int kHierarchyTop = kRegisterListTop + kRegisterListHeight + kGap;
constexpr int kDisplayTop = kHierarchyTop + kHierarchyListHeight + kGap;
constexpr int kTTop = kDisplayTop + kFieldHeight + 6;
constexpr int kButtonsTop = kTTop + kFieldHeight + 10;
constexpr int kClientHeight = kButtonsTop + kButtonHeight + kGap;

QTreeView* MakeList(QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(kDebuggerImageSize, kDebuggerImageSize));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    return view;
}

int FrameRefreshInterval()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal rate = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : kDefaultRefreshRate;
    return std::max(1, static_cast<int>(1000 / rate));
}
}  // namespace

CDebugDlg::CDebugDlg(CMainWnd& mainWindow, BreakpointTables& tables)
    : CDlg(kTemplate, &mainWindow),
      calc(mainWindow.calc),
      window(mainWindow),
      breakpoints(tables),
      programList(MakeList(this)),
      registerList(MakeList(this)),
      hierarchyList(MakeList(this)),
      displayLabel(new QLabel(QStringLiteral("Display"), this)),
      displayField(new QLineEdit(this)),
      tLabel(new QLabel(QStringLiteral("T register"), this)),
      tField(new QLineEdit(this)),
      sstButton(new QPushButton(QStringLiteral("S S T"), this)),
      runStopButton(new QPushButton(QStringLiteral("R / S"), this)),
      flagStrip(new FlagStrip(mainWindow.calc, this)),
      programModel(nullptr),
      registerModel(nullptr),
      hierarchyModel(nullptr)
{
    setWindowTitle(QStringLiteral("TI 59 Debugger"));
    displayField->setReadOnly(true);
    tField->setReadOnly(true);
    sstButton->setAutoDefault(false);
    runStopButton->setAutoDefault(false);
    BindCommand(sstButton, kSst);
    BindCommand(runStopButton, kRunStop);
    frameTimer_.setSingleShot(true);
    frameTimer_.setInterval(FrameRefreshInterval());
    frameTimer_.callOnTimeout(this, &CDebugDlg::Flush);
}

CDebugDlg::~CDebugDlg()
{
    if (open_ == this)
        open_ = nullptr;
}

bool CDebugDlg::OnInitDialog()
{
    CreateLists();
    // The list shows the area that executes, user memory or a library
    // program, so pc is its current line either way.
    programModel->SetCurrentStep(calc.Pc());
    ShowDisplay();
    ShowT();
    initialSize_ = QSize(kClientWidth, kClientHeight);
    setMinimumSize(initialSize_);
    setMaximumWidth(initialSize_.width());
    resize(initialSize_);
    RecalcLayout();
    if (programModel->CurrentStep() >= 0)
        programList->scrollTo(programModel->index(programModel->CurrentStep(), 0));
    open_ = this;
    return true;
}

void CDebugDlg::CreateLists()
{
    programModel = new ProgramListModel(calc.areaBase, breakpoints, this);
    programList->setModel(programModel);
    programList->setItemDelegate(new MarkedRowDelegate(programList));
    registerModel = new ValueListModel(
        {QStringLiteral("Mem"), CCalc::RegisterCount, 0,
         [this](int r) { return calc.registers[r]; },
         [this](int r) { return BreakpointPictureIndex(breakpoints.registers[static_cast<size_t>(r)]); }},
        this);
    registerList->setModel(registerModel);
    hierarchyModel = new ValueListModel(
        {QStringLiteral("Hir"), CPile::HierarchyRegisters, 1, [this](int i) { return calc.pile.operands[i]; }, {}},
        this);
    hierarchyList->setModel(hierarchyModel);
    hierarchyList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    programList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    registerList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    programList->setContextMenuPolicy(Qt::CustomContextMenu);
    registerList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(programList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowListMenu(programList, BreakpointList::Steps, position); });
    connect(registerList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowListMenu(registerList, BreakpointList::Registers, position); });
}

void CDebugDlg::RecalcLayout()
{
    const int extra = std::max(0, height() - kClientHeight);
    programList->setGeometry(kGap, kGap, kProgramListWidth, kClientHeight - 2 * kGap + extra);
    flagStrip->move(kRightColumnX, kRegisterListTop - kFlagsAboveRegisters);
    registerList->setGeometry(kRightColumnX, kRegisterListTop, kRightColumnWidth, kRegisterListHeight + extra);
    hierarchyList->setGeometry(kRightColumnX, kHierarchyTop + extra, kRightColumnWidth, kHierarchyListHeight);
    const int fieldWidth = kRightColumnWidth - kFieldLabelWidth;
    displayLabel->setGeometry(kRightColumnX, kDisplayTop + extra, kFieldLabelWidth, kFieldHeight);
    displayField->setGeometry(kRightColumnX + kFieldLabelWidth, kDisplayTop + extra, fieldWidth, kFieldHeight);
    tLabel->setGeometry(kRightColumnX, kTTop + extra, kFieldLabelWidth, kFieldHeight);
    tField->setGeometry(kRightColumnX + kFieldLabelWidth, kTTop + extra, fieldWidth, kFieldHeight);
    sstButton->setGeometry(kRightColumnX, kButtonsTop + extra, kButtonWidth, kButtonHeight);
    runStopButton->setGeometry(kRightColumnX + kRightColumnWidth - kButtonWidth, kButtonsTop + extra, kButtonWidth,
                               kButtonHeight);

    // The last column takes the list's width less the scroll bar and the columns before it.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, programList);
    auto inner = [](const QTreeView* view) { return view->width() - 2 * view->frameWidth(); };
    // The narrow columns keep their widths unless a larger font needs more.
    const QFontMetrics metrics(programList->font());
    const int margins = 2 * metrics.averageCharWidth();
    const int numberWidth =
        std::max(kNumberColumnWidth, kDebuggerImageSize + metrics.horizontalAdvance(QStringLiteral("000")) + margins);
    const int codeWidth = std::max(kCodeColumnWidth, metrics.horizontalAdvance(QStringLiteral("00")) + margins);
    programList->setColumnWidth(ProgramListModel::kStepColumn, numberWidth);
    programList->setColumnWidth(ProgramListModel::kCodeColumn, codeWidth);
    programList->setColumnWidth(ProgramListModel::kInstructionColumn,
                                inner(programList) - scrollBar - numberWidth - codeWidth);
    registerList->setColumnWidth(ValueListModel::kNumberColumn, numberWidth);
    registerList->setColumnWidth(ValueListModel::kValueColumn, inner(registerList) - scrollBar - numberWidth);
    hierarchyList->setColumnWidth(ValueListModel::kNumberColumn, numberWidth);
    hierarchyList->setColumnWidth(ValueListModel::kValueColumn, inner(hierarchyList) - numberWidth);
}

bool CDebugDlg::OnCommand(int id)
{
    switch (id) {
    case kSst:
        window.ExecuteStep(true);
        Flush();
        return true;
    case kRunStop:
        if (calc.Mode() == CCalc::ModeCalculate)
            window.StartProgram();
        else if (calc.Mode() == CCalc::ModeRun)
            window.StopProgram();
        return true;
    case kSetBreakpoint:
        EditBreakpoint(menuList_, menuLine_);
        return true;
    case kClearBreakpoint:
        ClearBreakpoint(menuList_, menuLine_);
        return true;
    case kDialogCancel:
        // Escape only hides the window: it still follows the engine and its
        // breakpoints still stop runs.
        hide();
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}

bool CDebugDlg::OnMessage(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close:
        CloseWindow();
        event->accept();
        return true;
    case QEvent::Resize:
        if (programModel)
            RecalcLayout();
        return false;
    default:
        return false;
    }
}

void CDebugDlg::CloseWindow()
{
    if (open_ == this)
        open_ = nullptr;
    frameTimer_.stop();
    hide();
    deleteLater();
}

void CDebugDlg::ShowListMenu(QTreeView* view, BreakpointList list, const QPoint& position)
{
    const QModelIndex index = view->indexAt(position);
    if (!index.isValid())
        return;
    if (QMenu* menu = BreakpointMenu(list, index.row())) {
        menu->exec(view->viewport()->mapToGlobal(position));
        menu->deleteLater();
    }
}

std::optional<BreakpointRecord>* CDebugDlg::SlotOf(BreakpointList list, int line)
{
    if (list == BreakpointList::Steps)
        return line >= 0 && line < static_cast<int>(kStepSlots) ? &breakpoints.steps[static_cast<size_t>(line)]
                                                                : nullptr;
    return line >= 0 && line < static_cast<int>(kRegisterSlots) ? &breakpoints.registers[static_cast<size_t>(line)]
                                                                : nullptr;
}

QMenu* CDebugDlg::BreakpointMenu(BreakpointList list, int line)
{
    if (!SlotOf(list, line))
        return nullptr;
    menuList_ = list;
    menuLine_ = line;
    auto* menu = new QMenu(this);
    for (const auto& [text, command] : {std::pair{QStringLiteral("Set breakpoint"), kSetBreakpoint},
                                        std::pair{QStringLiteral("Clear breakpoint"), kClearBreakpoint}}) {
        QAction* action = menu->addAction(text);
        action->setData(static_cast<int>(command));
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    }
    return menu;
}

bool CDebugDlg::EditBreakpoint(BreakpointList list, int line)
{
    std::optional<BreakpointRecord>* slot = SlotOf(list, line);
    if (!slot)
        return false;
    const BreakpointRecord record = slot->value_or(
        list == BreakpointList::Steps ? BreakpointRecord::NewStep() : BreakpointRecord::NewRegister(line));
    CBreakpointDlg dialog(record, this);
    if (RunModal(dialog, this) != kDialogOk)
        return false;
    *slot = dialog.record;
    BreakpointLineChanged(list, line);
    return true;
}

void CDebugDlg::ClearBreakpoint(BreakpointList list, int line)
{
    if (std::optional<BreakpointRecord>* slot = SlotOf(list, line)) {
        slot->reset();
        BreakpointLineChanged(list, line);
    }
}

void CDebugDlg::BreakpointLineChanged(BreakpointList list, int line)
{
    // Only the picture changes: an operand step keeps its operand text.
    if (list == BreakpointList::Steps)
        programModel->BreakpointChanged(line);
    else
        registerModel->Changed(line, line);
}

CDebugDlg& OpenDebugger(CMainWnd& window)
{
    if (CDebugDlg* open = CDebugDlg::Instance()) {
        open->show();
        open->raise();
        open->activateWindow();
        return *open;
    }
    auto* dialog = new CDebugDlg(window);
    const QRect frame = window.frameGeometry();
    RunModeless(*dialog, &window, frame.right() + 1 + kDebuggerGap, frame.top());
    return *dialog;
}
