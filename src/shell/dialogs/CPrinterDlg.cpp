#include "shell/dialogs/CPrinterDlg.h"

#include "shell/Settings.h"
#include "shell/dialogs/TapeExport.h"
#include "shell/dialogs/TapeView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "shell/SystemError.h"

Q_LOGGING_CATEGORY(lcPrinterDlg, "norvane.printer.window", QtWarningMsg)

namespace {
CPrinterDlg* openPrinterDialog = nullptr;
QString& PrintFileStatus()
{
    static QString status;
    return status;
}
const QString kTwentyColumns = "01234567890123456789";
constexpr int kExtraWidth = 38;
}

CPrinterDlg::CPrinterDlg(QWidget* parent)
    : CDlg(kTemplate, parent),
      list(new QListWidget(this)),
      clearButton(new QPushButton("C&lear", this)),
      copyButton(new QPushButton("&Copy", this)),
      status(new QLabel(PrintFileStatus(), this)),
      tape(new TapeView(this)),
      tapeButton(new QToolButton(this)),
      textButton(new QToolButton(this))
{
    setWindowTitle("TI Printer");
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line is one line of the same font: without this, each new line
    // measures all the others, and a program printing fast crawls.
    list->setUniformItemSizes(true);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    BindCommand(clearButton, kClear);
    BindCommand(copyButton, kCopy);
    status->setWordWrap(true);
    status->setVisible(!status->text().isEmpty());
    for (QToolButton* button : {tapeButton, textButton}) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFocusPolicy(Qt::TabFocus);
    }
    tapeButton->setText("&Tape");
    textButton->setText("Te&xt");
    connect(tapeButton, &QToolButton::clicked, this, [this] { ShowTape(true); });
    connect(textButton, &QToolButton::clicked, this, [this] { ShowTape(false); });
    ShowTape(TheSettings().PrinterTape);
    openPrinterDialog = this;
}

CPrinterDlg::~CPrinterDlg()
{
    if (openPrinterDialog == this)
        openPrinterDialog = nullptr;
}

CPrinterDlg* CPrinterDlg::Instance()
{
    return openPrinterDialog;
}

bool CPrinterDlg::OnInitDialog()
{
    listFont_ = QFont("Courier New");
    listFont_.setStyleHint(QFont::Monospace);
    listFont_.setPointSize(14);
    listFont_.setWeight(QFont::Normal);
    list->setFont(listFont_);

    const int textWidth = QFontMetrics(listFont_).horizontalAdvance(kTwentyColumns);
    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int edgeWidth = list->frameWidth();
    // Qt's geometry is the client area: there is no frame to add.
    fixedWidth_ = textWidth + scrollWidth + 2 * edgeWidth + kExtraWidth;
    fixedWidth_ = std::max(fixedWidth_, tape->StripViewWidth() + 2 * kGap);

    buttonSize_ = clearButton->sizeHint().expandedTo(copyButton->sizeHint());
    clearButton->resize(buttonSize_);
    copyButton->resize(buttonSize_);
    qCDebug(lcPrinterDlg, "Largeur = %d,   Boutons=%dx%d, Scroll=%d, 3D=%d", fixedWidth_,
            buttonSize_.width(), buttonSize_.height(), scrollWidth, edgeWidth);

    setMinimumWidth(fixedWidth_);
    setMaximumWidth(fixedWidth_);
    setMinimumHeight(buttonSize_.height() + 3 * kGap + 2 * QFontMetrics(listFont_).height());
    resize(fixedWidth_, std::max(height(), 400));
    RecalcLayout();
    return true;
}

bool CPrinterDlg::OnCommand(int id)
{
    switch (id) {
    case kClear:
        list->clear();
        hiddenLines_.clear();
        tape->Clear();
        return true;
    case kCopy:
        // What is in sight is what is copied: the paper or the selected lines.
        if (tapeShown_)
            CopyTapeAsPicture(tape->Tape());
        else
            QApplication::clipboard()->setText(SelectedText());
        return true;
    case kDialogCancel:
        // Close box and Escape: the window goes away, its reference with it.
        if (openPrinterDialog == this)
            openPrinterDialog = nullptr;
        hide();
        deleteLater();
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}

void CPrinterDlg::ShowStatus(const QString& text)
{
    status->setText(text);
    status->show();
    RecalcLayout();
}

void CPrinterDlg::AppendLine(const QString& line)
{
    tape->AppendLine(line);
    // A hidden list would still lay itself out for every line: it gets the
    // lines in one batch when it is shown.
    if (tapeShown_) {
        hiddenLines_ << line;
        TrimToTape(hiddenLines_);
    } else {
        AddToList({line});
    }
}

void CPrinterDlg::TrimToTape(QStringList& lines) const
{
    const auto kept = static_cast<qsizetype>(tape->Tape().Capacity());
    if (lines.size() > kept + kept / 100)
        lines.remove(0, lines.size() - kept);
}

void CPrinterDlg::AddToList(const QStringList& lines)
{
    list->addItems(lines);
    // The list keeps as many lines as the tape. Line by line it drops the
    // oldest in batches, so that a full list costs no more per line than a
    // short one.
    const int kept = static_cast<int>(tape->Tape().Capacity());
    const int slack = lines.size() == 1 ? kept / 100 : 0;
    if (list->count() > kept + slack)
        list->model()->removeRows(0, list->count() - kept);
    // Scrolling lays out the whole list: once per refresh, not once per line.
    if (!scrollPending_) {
        scrollPending_ = true;
        QTimer::singleShot(TapeView::kRefreshMs, this, [this] {
            scrollPending_ = false;
            list->scrollToBottom();
        });
    }
}

void CPrinterDlg::ShowTape(bool shown)
{
    TheSettings().PrinterTape = shown;
    tapeShown_ = shown;
    if (!shown && !hiddenLines_.isEmpty()) {
        AddToList(hiddenLines_);
        hiddenLines_.clear();
    }
    (shown ? tapeButton : textButton)->setChecked(true);
    tape->setVisible(shown);
    list->setVisible(!shown);
}

QString CPrinterDlg::SelectedText() const
{
    QString text;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        if (item->isSelected())
            text += item->text() + u'\n';
    }
    return text;
}

void CPrinterDlg::resizeEvent(QResizeEvent* event)
{
    CDlg::resizeEvent(event);
    RecalcLayout();
}

void CPrinterDlg::RecalcLayout()
{
    const int w = width();
    const int h = height();
    const int bh = buttonSize_.height();
    qCDebug(lcPrinterDlg, "RecalcLayout : largeur=%d, hauteur=%d", w, h);
    const int statusHeight = status->isVisible() ? status->heightForWidth(w - 2 * kGap) : 0;
    const int statusSpace = status->isVisible() ? statusHeight + kGap : 0;
    list->setGeometry(kGap, kGap, std::max(0, w - 2 * kGap), std::max(0, h - bh - 3 * kGap - statusSpace));
    status->setGeometry(kGap, h - bh - 2 * kGap - statusHeight, w - 2 * kGap, statusHeight);
    tape->setGeometry(list->geometry());
    clearButton->move(kGap, h - bh - kGap);
    copyButton->move(buttonSize_.width() + 2 * kGap, h - bh - kGap);
    textButton->setGeometry(w - kGap - bh * 2, h - bh - kGap, bh * 2, bh);
    tapeButton->setGeometry(textButton->x() - bh * 2, h - bh - kGap, bh * 2, bh);
}

void WritePrinterLine(const QString& line)
{
    if (CPrinterDlg* dialog = CPrinterDlg::Instance())
        dialog->AppendLine(line);
}

void NotePrintFileFailure(const QString& path, int errorCode)
{
    if (!PrintFileStatus().isEmpty())
        return;
    PrintFileStatus() = QStringLiteral("Not saved to %1: %2").arg(path, SystemErrorText(errorCode));
    if (CPrinterDlg* dialog = CPrinterDlg::Instance())
        dialog->ShowStatus(PrintFileStatus());
}
