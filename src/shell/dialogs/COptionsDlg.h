#pragma once
// Output paths and the three timings. Edits a copy; the caller stores it back
// into the settings and the engine when the dialog ends with OK.

#include "shell/dialogs/CDlg.h"

class DurationSpin;
class QLineEdit;
class QPushButton;

struct OptionValues {
    QString printFile;
    QString writeFolder;
    quint32 dureePauseLongue = 500;
    quint32 dureePauseCourte = 50;
    quint32 dureeClignotement = 200;
};

class COptionsDlg : public CDlg {
    Q_OBJECT
public:
    enum Control {
        kPrintFile = 1014,
        kWriteFolder = 1015,
        kPauseLongue = 1018,
        kPauseCourte = 1020,
        kClignotement = 1022,
        kBrowsePrintFile = 1045,
        kBrowseWriteFolder = 1046,
    };
    static constexpr int kTemplate = 142;
    static constexpr int kPathCapacity = 260;

    COptionsDlg(const OptionValues& values, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;

    OptionValues values;

    DurationSpin* pauseLongue;
    DurationSpin* pauseCourte;
    DurationSpin* clignotement;
    QLineEdit* printFile;
    QLineEdit* writeFolder;
    QPushButton* browsePrintFile;
    QPushButton* browseWriteFolder;
    QPushButton* okButton;
    QPushButton* cancelButton;
};
