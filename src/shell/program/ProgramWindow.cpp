#include "shell/program/ProgramWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include "core/CCalc.h"
#include "printer/Mnemonic.h"
#include "programtext/ProgramEdit.h"
#include "shell/CMainWnd.h"
#include "storage/TextCodec.h"

#include <algorithm>

ProgramWindow* ProgramWindow::open_ = nullptr;

namespace {

// Far more than any listing; a wrong file cannot fill memory.
constexpr qint64 kLargestListing = 1 << 20;

QString Three(int step) { return QStringLiteral("%1").arg(step, 3, 10, QLatin1Char('0')); }

QString Codes(const ProgramSteps1000& steps, int step, int length)
{
    QStringList codes;
    for (int i = step; i < step + length; ++i)
        codes << QStringLiteral("%1").arg(steps[static_cast<std::size_t>(i)], 2, 10, QLatin1Char('0'));
    return codes.join(QLatin1Char(' '));
}

// One change of user memory: the program before and after it.
class ProgramChange : public QUndoCommand {
public:
    ProgramChange(ProgramWindow& window, const ProgramSteps1000& before, const ProgramSteps1000& after,
                  const QString& text)
        : QUndoCommand(text), window_(window), before_(before), after_(after)
    {
    }
    void undo() override { window_.WriteProgram(before_); }
    void redo() override { window_.WriteProgram(after_); }

private:
    ProgramWindow& window_;
    ProgramSteps1000 before_;
    ProgramSteps1000 after_;
};

QTableWidgetItem* Cell(const QString& text, bool editable = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

ProgramWindow::ProgramWindow(CMainWnd& window)
    : QWidget(&window, Qt::Window), window_(window), listing_(new QTableWidget(0, 4, this)),
      labels_(new QTableWidget(0, 3, this)), undo_(new QUndoStack(this)), pasteMode_(new QComboBox(this)),
      moveAddresses_(new QCheckBox(QStringLiteral("&Move jumps past inserted or deleted steps"), this)),
      status_(new QLabel(this)), offerBar_(new QWidget(this)), offerLabel_(new QLabel(offerBar_))
{
    open_ = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Program"));

    auto* open = new QPushButton(QStringLiteral("&Open listing..."), this);
    auto* save = new QPushButton(QStringLiteral("&Save listing..."), this);
    auto* paste = new QPushButton(QStringLiteral("&Paste"), this);
    auto* undo = new QPushButton(QStringLiteral("&Undo"), this);
    auto* redo = new QPushButton(QStringLiteral("&Redo"), this);
    pasteMode_->addItem(QStringLiteral("at the cursor"));
    pasteMode_->addItem(QStringLiteral("replacing the program"));
    moveAddresses_->setChecked(true);
    connect(open, &QPushButton::clicked, this, &ProgramWindow::OpenListing);
    connect(save, &QPushButton::clicked, this, &ProgramWindow::SaveListing);
    connect(paste, &QPushButton::clicked, this,
            [this] { PasteText(QApplication::clipboard()->text(), QStringLiteral("the clipboard")); });
    connect(undo, &QPushButton::clicked, undo_, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, undo_, &QUndoStack::redo);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
    new QShortcut(QKeySequence::Undo, this, [this] { undo_->undo(); });
    new QShortcut(QKeySequence::Redo, this, [this] { undo_->redo(); });
    new QShortcut(QKeySequence::Paste, this,
                  [this] { PasteText(QApplication::clipboard()->text(), QStringLiteral("the clipboard")); });

    auto* tools = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(open), static_cast<QWidget*>(save), static_cast<QWidget*>(paste)})
        tools->addWidget(w);
    tools->addWidget(pasteMode_);
    tools->addSpacing(12);
    tools->addWidget(undo);
    tools->addWidget(redo);
    tools->addStretch();

    auto* replace = new QPushButton(QStringLiteral("Replace the program"), offerBar_);
    auto* insert = new QPushButton(QStringLiteral("Insert at the cursor"), offerBar_);
    auto* dismiss = new QPushButton(QStringLiteral("Dismiss"), offerBar_);
    connect(replace, &QPushButton::clicked, this,
            [this] { LoadText(offered_, offeredOrigin_, PasteMode::ReplaceProgram); });
    connect(insert, &QPushButton::clicked, this,
            [this] { LoadText(offered_, offeredOrigin_, PasteMode::InsertAtCursor); });
    connect(dismiss, &QPushButton::clicked, offerBar_, &QWidget::hide);
    auto* offer = new QHBoxLayout(offerBar_);
    offer->setContentsMargins(0, 0, 0, 0);
    offerLabel_->setWordWrap(true);
    offer->addWidget(offerLabel_, 1);
    offer->addWidget(replace);
    offer->addWidget(insert);
    offer->addWidget(dismiss);
    offerBar_->hide();

    listing_->setHorizontalHeaderLabels({QStringLiteral("Step"), QStringLiteral("Codes"),
                                         QStringLiteral("Instruction"), QStringLiteral("Problem")});
    listing_->verticalHeader()->hide();
    listing_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listing_->setSelectionMode(QAbstractItemView::SingleSelection);
    listing_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    listing_->horizontalHeader()->setStretchLastSection(true);
    listing_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    listing_->verticalHeader()->setDefaultSectionSize(listing_->fontMetrics().height() + 6);
    listing_->installEventFilter(this);
    connect(listing_, &QTableWidget::cellChanged, this, &ProgramWindow::LineEdited);

    labels_->setHorizontalHeaderLabels({QStringLiteral("Label"), QStringLiteral("Step"), QStringLiteral("Called from")});
    labels_->verticalHeader()->hide();
    labels_->verticalHeader()->setDefaultSectionSize(listing_->verticalHeader()->defaultSectionSize());
    labels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    labels_->horizontalHeader()->setStretchLastSection(true);
    connect(labels_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        bool ok = false;
        const int step = labels_->item(row, 1)->text().toInt(&ok);
        for (std::size_t i = 0; ok && i < rows_.size(); ++i)
            if (rows_[i].step == step)
                listing_->setCurrentCell(static_cast<int>(i), kInstructionColumn);
    });

    auto* split = new QSplitter(this);
    split->addWidget(listing_);
    split->addWidget(labels_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({520, 240});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(offerBar_);
    layout->addWidget(split, 1);
    layout->addWidget(moveAddresses_);
    layout->addWidget(status_);
    status_->setWordWrap(true);
    resize(760, 560);
    Refresh();
}

ProgramWindow::~ProgramWindow()
{
    if (open_ == this)
        open_ = nullptr;
}

ProgramSteps1000 ProgramWindow::CurrentProgram() const
{
    ProgramSteps1000 steps{};
    std::ranges::copy(window_.calc.UserProgram(), steps.begin());
    return steps;
}

void ProgramWindow::WriteProgram(const ProgramSteps1000& steps)
{
    window_.calc.WriteUserProgram(steps);
    Refresh();
}

void ProgramWindow::Refresh()
{
    const ProgramSteps1000 steps = CurrentProgram();
    shown_ = steps;
    const int end = ProgramEnd(steps);
    const std::vector<InstructionText> instructions = KeyScriptInstructions(steps, end);
    const int current = std::max(0, listing_->currentRow());
    filling_ = true;
    rows_.clear();
    listing_->setRowCount(static_cast<int>(instructions.size()) + (end < ProgramSteps ? 1 : 0));
    int row = 0;
    for (const InstructionText& instruction : instructions) {
        rows_.push_back({instruction.step, instruction.length});
        listing_->setItem(row, kStepColumn, Cell(Three(instruction.step)));
        listing_->setItem(row, kCodesColumn, Cell(Codes(steps, instruction.step, instruction.length)));
        listing_->setItem(row, kInstructionColumn, Cell(QString::fromStdWString(instruction.text), true));
        listing_->setItem(row, kProblemColumn, Cell({}));
        ++row;
    }
    if (end < ProgramSteps) {
        rows_.push_back({end, 0});
        listing_->setItem(row, kStepColumn, Cell(Three(end)));
        listing_->setItem(row, kCodesColumn, Cell({}));
        listing_->setItem(row, kInstructionColumn, Cell({}, true));
        listing_->setItem(row, kProblemColumn, Cell(QStringLiteral("(type here to add)")));
        listing_->item(row, kProblemColumn)->setForeground(palette().color(QPalette::PlaceholderText));
    }
    listing_->resizeColumnToContents(kStepColumn);
    listing_->resizeColumnToContents(kCodesColumn);
    listing_->setColumnWidth(kInstructionColumn, std::max(listing_->columnWidth(kInstructionColumn), 180));
    listing_->setCurrentCell(std::min(current, listing_->rowCount() - 1), kInstructionColumn);
    filling_ = false;
    FillLabels(steps, end);
}

void ProgramWindow::FillLabels(const ProgramSteps1000& steps, int end)
{
    const std::vector<LabelUse> table = LabelTable(steps, end);
    labels_->setRowCount(static_cast<int>(table.size()));
    for (int row = 0; row < static_cast<int>(table.size()); ++row) {
        const LabelUse& use = table[static_cast<std::size_t>(row)];
        QStringList callers;
        for (int step : use.callers)
            callers << Three(step);
        labels_->setItem(row, 0, Cell(QString::fromStdWString(std::wstring(Mnemonic(use.label)))));
        labels_->setItem(row, 1, Cell(use.step < 0 ? QStringLiteral("missing") : Three(use.step)));
        labels_->setItem(row, 2, Cell(callers.join(QStringLiteral(", "))));
        if (use.step < 0)
            for (int column = 0; column < 3; ++column)
                labels_->item(row, column)->setForeground(Qt::red);
    }
    labels_->resizeColumnsToContents();
}

int ProgramWindow::CurrentRow() const
{
    const int row = listing_->currentRow();
    return row < 0 ? static_cast<int>(rows_.size()) - 1 : row;
}

void ProgramWindow::LineEdited(int row, int column)
{
    if (filling_ || column != kInstructionColumn)
        return;
    EditLine(row, listing_->item(row, column)->text());
}

bool ProgramWindow::EditLine(int row, const QString& text)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return false;
    const Row target = rows_[static_cast<std::size_t>(row)];
    if (text.trimmed().isEmpty()) {
        if (target.length > 0)
            DeleteLine(row);
        return true;
    }
    const ProgramTextRead read = ReadProgramText(text.toStdWString());
    if (read.error) {
        ShowRowProblem(row, text, QString::fromStdWString(read.error->Message()));
        return false;
    }
    const auto inserted = std::span<const std::uint8_t>(read.steps).subspan(
        static_cast<std::size_t>(read.first), static_cast<std::size_t>(read.end - read.first));
    const QString what = QStringLiteral("Line %1").arg(Three(target.step));
    if (!Apply(CurrentProgram(), target.step, target.length, inserted, what)) {
        ShowRowProblem(row, text, status_->text());
        return false;
    }
    listing_->setCurrentCell(std::min(row + 1, listing_->rowCount() - 1), kInstructionColumn);
    return true;
}

void ProgramWindow::InsertLine(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    const std::uint8_t nop[] = {68};
    const int step = rows_[static_cast<std::size_t>(row)].step;
    if (Apply(CurrentProgram(), step, 0, nop, QStringLiteral("Insert at %1").arg(Three(step))))
        listing_->setCurrentCell(row, kInstructionColumn);
}

void ProgramWindow::DeleteLine(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[static_cast<std::size_t>(row)].length == 0)
        return;
    const Row target = rows_[static_cast<std::size_t>(row)];
    Apply(CurrentProgram(), target.step, target.length, {}, QStringLiteral("Delete %1").arg(Three(target.step)));
}

bool ProgramWindow::Apply(const ProgramSteps1000& before, int at, int removed,
                          std::span<const std::uint8_t> inserted, const QString& what)
{
    const ProgramEdit edit = ReplaceSteps(before, at, removed, inserted, moveAddresses_->isChecked());
    if (!edit.steps) {
        ShowStatus(QString::fromStdWString(edit.problem), true);
        return false;
    }
    undo_->push(new ProgramChange(*this, before, *edit.steps, what));
    QString status = what;
    if (moveAddresses_->isChecked() && static_cast<int>(inserted.size()) != removed)
        status += edit.moved == 1 ? QStringLiteral(": 1 address moved.")
                                  : QStringLiteral(": %1 addresses moved.").arg(edit.moved);
    ShowStatus(status, false);
    return true;
}

void ProgramWindow::ShowStatus(const QString& text, bool problem)
{
    status_->setText(text);
    status_->setStyleSheet(problem ? QStringLiteral("color: #b00000;") : QString());
}

void ProgramWindow::ShowRowProblem(int row, const QString& text, const QString& problem)
{
    filling_ = true;
    listing_->item(row, kInstructionColumn)->setText(text);
    listing_->item(row, kProblemColumn)->setText(problem);
    for (int column = 0; column < listing_->columnCount(); ++column) {
        listing_->item(row, column)->setBackground(QColor(255, 224, 224));
        listing_->item(row, column)->setToolTip(problem);
    }
    filling_ = false;
    ShowStatus(QStringLiteral("Line %1 was not changed: %2").arg(listing_->item(row, kStepColumn)->text(), problem),
               true);
}

bool ProgramWindow::PasteText(const QString& text, const QString& origin)
{
    const PasteMode mode =
        pasteMode_->currentIndex() == 0 ? PasteMode::InsertAtCursor : PasteMode::ReplaceProgram;
    return LoadText(text, origin, mode);
}

void ProgramWindow::OfferText(const QString& text, const QString& origin)
{
    const ProgramTextRead read = ReadProgramText(text.toStdWString());
    offered_ = text;
    offeredOrigin_ = origin;
    static const char* const kForms[] = {"a listing", "key codes", "a key script"};
    if (read.error)
        offerLabel_->setText(QStringLiteral("%1 does not read as a program: %2")
                                 .arg(origin, QString::fromStdWString(read.error->Message())));
    else
        offerLabel_->setText(QStringLiteral("%1 holds %2 of %3 steps.")
                                 .arg(origin, QLatin1String(kForms[static_cast<int>(read.form)]))
                                 .arg(read.end - read.first));
    for (QPushButton* button : offerBar_->findChildren<QPushButton*>())
        if (button->text() != QStringLiteral("Dismiss"))
            button->setEnabled(!read.error);
    offerBar_->show();
}

QString ProgramWindow::offerText() const { return offerBar_->isVisible() ? offerLabel_->text() : QString(); }
QString ProgramWindow::statusText() const { return status_->text(); }

bool ProgramWindow::LoadText(const QString& text, const QString& origin, PasteMode mode)
{
    const ProgramTextRead read = ReadProgramText(text.toStdWString());
    if (read.error) {
        ShowStatus(QStringLiteral("%1 was not loaded: %2").arg(origin, QString::fromStdWString(read.error->Message())),
                   true);
        return false;
    }
    if (read.end == 0) {
        ShowStatus(QStringLiteral("%1 holds no program.").arg(origin), true);
        return false;
    }
    offerBar_->hide();
    const ProgramSteps1000 before = CurrentProgram();
    if (mode == PasteMode::ReplaceProgram) {
        undo_->push(new ProgramChange(*this, before, read.steps, QStringLiteral("Replace the program")));
        ShowStatus(QStringLiteral("The program from %1: %2 steps.").arg(origin).arg(read.end - read.first), false);
        return true;
    }
    const auto inserted = std::span<const std::uint8_t>(read.steps).subspan(
        static_cast<std::size_t>(read.first), static_cast<std::size_t>(read.end - read.first));
    const int row = CurrentRow();
    const int at = row < 0 ? 0 : rows_[static_cast<std::size_t>(row)].step;
    return Apply(before, at, 0, inserted, QStringLiteral("%1 steps from %2 at %3").arg(inserted.size()).arg(origin, Three(at)));
}

void ProgramWindow::OpenListing()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open listing"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Program texts (*.txt *.keys *.lst);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> text = ReadTextFile(path))
        OfferText(*text, QFileInfo(path).fileName());
}

void ProgramWindow::SaveListing()
{
    const QString utf8 = QStringLiteral("Listing, UTF-8 (*.txt)");
    const QString utf16 = QStringLiteral("Listing, UTF-16 as List writes it (*.txt)");
    const QString keys = QStringLiteral("Key script (*.keys)");
    QString filter = utf8;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save listing"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/ti59.txt"),
        QStringList{utf8, utf16, keys}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    SaveListingTo(path, filter == utf16 ? SaveForm::Utf16Listing
                        : filter == keys ? SaveForm::KeyScript
                                         : SaveForm::Utf8Listing);
}

bool ProgramWindow::SaveListingTo(const QString& path, SaveForm form)
{
    const ProgramSteps1000 steps = CurrentProgram();
    const int end = ProgramEnd(steps);
    QByteArray bytes;
    if (form == SaveForm::KeyScript) {
        bytes = QString::fromStdWString(WriteKeyScript(steps, end)).toUtf8();
    } else {
        const QString text = QString::fromStdWString(WriteListingText(steps, end));
        if (form == SaveForm::Utf8Listing) {
            bytes = text.toUtf8();
        } else {
            std::wstring crlf = text.toStdWString();
            for (std::size_t at = crlf.find(L'\n'); at != std::wstring::npos; at = crlf.find(L'\n', at + 2))
                crlf.insert(at, 1, L'\r');
            const std::vector<unsigned char> encoded = storage::EncodeUtf16LittleEndian(crlf, true);
            bytes = QByteArray(reinterpret_cast<const char*>(encoded.data()), static_cast<qsizetype>(encoded.size()));
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        ShowStatus(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()), true);
        return false;
    }
    ShowStatus(QStringLiteral("Saved %1.").arg(QFileInfo(path).fileName()), false);
    return true;
}

void ProgramWindow::SetPasteMode(PasteMode mode) { pasteMode_->setCurrentIndex(mode == PasteMode::InsertAtCursor ? 0 : 1); }
void ProgramWindow::SetMoveAddresses(bool move) { moveAddresses_->setChecked(move); }

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event)
{
    // While a line is typed its editor has the keys, so these are the listing's own.
    if (watched == listing_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert) {
            InsertLine(CurrentRow());
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            DeleteLine(CurrentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ProgramWindow::changeEvent(QEvent* event)
{
    // Learn mode, a loaded file or the library may have changed the program
    // meanwhile; the undo history no longer fits it then.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && CurrentProgram() != shown_)
        ProgramChangedOutside();
    QWidget::changeEvent(event);
}

void ProgramWindow::ProgramChangedOutside()
{
    undo_->clear();
    Refresh();
}

std::optional<QString> ProgramWindow::ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestListing) {
        ShowStatus(QStringLiteral("Cannot read %1: %2")
                       .arg(QFileInfo(path).fileName(), file.isOpen() ? QStringLiteral("it is too large") : file.errorString()),
                   true);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return QString::fromStdWString(storage::DecodeText(
        std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())));
}

ProgramWindow& OpenProgramWindow(CMainWnd& window)
{
    ProgramWindow* open = ProgramWindow::Instance();
    if (!open) {
        open = new ProgramWindow(window);
        // Beside the calculator, as the debugger opens.
        const QRect frame = window.frameGeometry();
        open->move(frame.right() + 8, frame.top());
    }
    open->show();
    open->raise();
    open->activateWindow();
    return *open;
}
