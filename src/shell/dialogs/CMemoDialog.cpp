#include "shell/dialogs/CMemoDialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
const char* const kMacroHelp[] = {
    "[S]xxx[/S] draws xxx with Symbol font",
    "[+]xxx[/+] draws xxx as superscript",
    "[-]xxx[/-] draws xxx as subscript",
    "[*]xxx[/*] draws xxx with smaller font",
    "[=]xxx[/=] draws xxx but do not move cursor",
};

constexpr int kEditLeft = 10;
constexpr int kEditHeight = 22;
constexpr int kGap = 10;
constexpr int kPreviewTop = 20;
// A label a user types for one key, markup and all: every character of it stays in sight.
const char* const kLongLabel = "[S]D[/S]x[+]-1[/+]";

class StripPreview : public QWidget {
public:
    StripPreview(const CMemoDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog)
    {
        resize(kStripSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        StripTexts shown = dialog_.texts;
        shown.programLabel.clear();
        DrawLabelStrip(painter, 0, 0, dialog_.topMerged, dialog_.bottomMerged, shown);
    }

private:
    const CMemoDialog& dialog_;
};

QLineEdit* TextEdit(QWidget* parent, QRect where)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(CMemoDialog::kTextCapacity);
    edit->setGeometry(where);
    return edit;
}

int LabelEditWidth(const QLineEdit& edit)
{
    QStyleOptionFrame frame;
    frame.initFrom(&edit);
    frame.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit);
    // 4: the line edit's own margin around its text.
    const QSize text(edit.fontMetrics().horizontalAdvance(kLongLabel) + 4, edit.fontMetrics().height());
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, &edit).width();
}
}

CMemoDialog::CMemoDialog(const StripTexts& memo, QWidget* parent)
    : CDlg(kTemplate, parent),
      topMerged(memo.LineMerged(0)),
      bottomMerged(memo.LineMerged(1)),
      texts(memo),
      title(TextEdit(this, {})),
      preview(new StripPreview(*this, this))
{
    setWindowTitle("Program memo");
    texts.programLabel.clear();
    const int labelStep = LabelEditWidth(*title) + 4;
    const int editWidth = labelStep * kStripKeys - 4;
    const int right = kEditLeft + editWidth + kGap;
    const int width = right + kStripSize.width() + 2 * kGap;
    setFixedSize(width, 330);
    title->setGeometry(kEditLeft, 30, editWidth, kEditHeight);
    preview->move(right, kPreviewTop);
    auto* titleLabel = new QLabel("&Title :", this);
    titleLabel->setGeometry(kEditLeft, 10, editWidth, 18);
    titleLabel->setBuddy(title);
    BindCommand(title, kTitle);

    const char* const mergeText[] = {"&Merge", "M&erge"};
    const char* const separateText[] = {"&Label A' B' C' D' E'", "L&abel A B C D E"};
    const char* const heading[] = {"Top line (second functions)", "Bottom line"};
    for (int line = 0; line < kStripLines; ++line) {
        const int top = 70 + 90 * line;
        (new QLabel(heading[line], this))->setGeometry(kEditLeft, top, editWidth, 18);
        mergeButtons[line] = new QRadioButton(mergeText[line], this);
        separateButtons[line] = new QRadioButton(separateText[line], this);
        mergeButtons[line]->setGeometry(kEditLeft, top + 20, 70, 20);
        separateButtons[line]->setGeometry(kEditLeft + 75, top + 20, 165, 20);
        auto* group = new QButtonGroup(this);
        group->addButton(mergeButtons[line]);
        group->addButton(separateButtons[line]);
        BindCommand(mergeButtons[line], line == 0 ? kTopMerge : kBottomMerge);
        BindCommand(separateButtons[line], line == 0 ? kTopSeparate : kBottomSeparate);

        const int editTop = top + 46;
        lineEdits[line] = TextEdit(this, {kEditLeft, editTop, editWidth, kEditHeight});
        BindCommand(lineEdits[line], line == 0 ? kTopLine : kBottomLine);
        for (int key = 0; key < kStripKeys; ++key) {
            labelEdits[line][key] = TextEdit(
                this, {kEditLeft + labelStep * key, editTop, labelStep - 4, kEditHeight});
            BindCommand(labelEdits[line][key], (line == 0 ? kTopLabels : kBottomLabels) + key);
        }
    }

    auto* macros = new QLabel("Macros", this);
    macros->setGeometry(right, 100, kStripSize.width(), 18);
    QFont bold = macros->font();
    bold.setBold(true);
    macros->setFont(bold);
    int helpTop = 122;
    for (const char* help : kMacroHelp) {
        (new QLabel(help, this))->setGeometry(right, helpTop, kStripSize.width(), 18);
        helpTop += 20;
    }

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setGeometry(width - 190, 290, 80, 26);
    cancel->setGeometry(width - 100, 290, 80, 26);
    ok->setDefault(true);
    BindCommand(ok, kDialogOk);
    BindCommand(cancel, kDialogCancel);
}

bool CMemoDialog::OnInitDialog()
{
    // Filling the edits reports each of them; the texts must not be read back half-filled.
    const StripTexts initial = texts;
    mergeButtons[0]->setChecked(topMerged);
    separateButtons[0]->setChecked(!topMerged);
    mergeButtons[1]->setChecked(bottomMerged);
    separateButtons[1]->setChecked(!bottomMerged);
    const auto shown = [](const std::wstring& text) { return QString::fromStdWString(text).left(kTextCapacity); };
    title->setText(shown(initial.title));
    for (int line = 0; line < kStripLines; ++line) {
        lineEdits[line]->setText(shown(initial.lines[line]));
        for (int key = 0; key < kStripKeys; ++key)
            labelEdits[line][key]->setText(shown(initial.Label(key, line)));
    }
    ApplyVisibility(0);
    ApplyVisibility(1);
    return true;
}

bool CMemoDialog::OnCommand(int id)
{
    if (id >= kTitle && id <= kBottomLabels + kStripKeys - 1) {
        StoreEdit(id);
        return true;
    }
    switch (id) {
    case kTopMerge:
    case kTopSeparate:
        ApplyVisibility(0);
        return true;
    case kBottomMerge:
    case kBottomSeparate:
        ApplyVisibility(1);
        return true;
    case kDialogOk:
        EndDialog(kDialogOk);
        return true;
    default:
        return CDlg::OnCommand(id);
    }
}

StripTexts CMemoDialog::StoredTexts() const
{
    StripTexts stored = texts;
    if (!topMerged)
        stored.lines[0].clear();
    if (!bottomMerged)
        stored.lines[1].clear();
    return stored;
}

void CMemoDialog::ApplyVisibility(int line)
{
    const bool merged = mergeButtons[line]->isChecked();
    (line == 0 ? topMerged : bottomMerged) = merged;
    lineEdits[line]->setVisible(merged);
    for (QLineEdit* edit : labelEdits[line])
        edit->setVisible(!merged);
    preview->update();
}

QLineEdit* CMemoDialog::EditFor(int id) const
{
    if (id == kTitle)
        return title;
    if (id == kTopLine)
        return lineEdits[0];
    if (id == kBottomLine)
        return lineEdits[1];
    if (id >= kBottomLabels)
        return labelEdits[1][id - kBottomLabels];
    return labelEdits[0][id - kTopLabels];
}

void CMemoDialog::StoreEdit(int id)
{
    const std::wstring text = EditFor(id)->text().left(kTextCapacity).toStdWString();
    if (id == kTitle)
        texts.title = text;
    else if (id == kTopLine)
        texts.lines[0] = text;
    else if (id == kBottomLine)
        texts.lines[1] = text;
    else if (id >= kBottomLabels)
        texts.Label(id - kBottomLabels, 1) = text;
    else
        texts.Label(id - kTopLabels, 0) = text;
    preview->update();
}
