#pragma once
// "Program memo": edits the title and key labels of the user's program with
// a live preview drawn by the strip's own code. Works on a copy; the caller
// stores it back on OK.

#include "shell/LabelStrip.h"
#include "shell/dialogs/CDlg.h"

#include <array>

class QLineEdit;
class QRadioButton;

class CMemoDialog : public CDlg {
    Q_OBJECT
public:
    enum Control {
        kTitle = 1014,
        kTopLine = 1015,
        kTopLabels = 1016,     // 1016..1020, keys A to E
        kBottomLine = 1021,
        kBottomLabels = 1022,  // 1022..1026
        kTopMerge = 1044,
        kTopSeparate = 1045,
        kBottomMerge = 1046,
        kBottomSeparate = 1047,
    };
    static constexpr int kTemplate = 147;
    static constexpr int kTextCapacity = 127;

    // A line starts merged when its line text is not empty.
    explicit CMemoDialog(const StripTexts& memo, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;

    // What OK stores: a line's text only when that line is merged, every label always.
    StripTexts StoredTexts() const;

    bool topMerged;
    bool bottomMerged;
    StripTexts texts;

    QLineEdit* title;
    std::array<QLineEdit*, kStripLines> lineEdits;
    std::array<std::array<QLineEdit*, kStripKeys>, kStripLines> labelEdits;
    std::array<QRadioButton*, kStripLines> mergeButtons;
    std::array<QRadioButton*, kStripLines> separateButtons;
    QWidget* preview;

private:
    void ApplyVisibility(int line);
    QLineEdit* EditFor(int id) const;
    void StoreEdit(int id);
};
