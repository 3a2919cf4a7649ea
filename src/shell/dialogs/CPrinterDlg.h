#pragma once
// "TI Printer": a modeless window that echoes every printed line. Its width
// is fixed to twenty printer columns; only its height follows the user.

#include "shell/dialogs/CDlg.h"

#include <QFont>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TapeView;

class CPrinterDlg : public CDlg {
    Q_OBJECT
public:
    enum Control { kCopy = 1040, kList = 1041, kClear = 1042 };
    static constexpr int kTemplate = 146;
    static constexpr int kGap = 16;

    explicit CPrinterDlg(QWidget* parent = nullptr);
    ~CPrinterDlg() override;

    // The open printer window, or null.
    static CPrinterDlg* Instance();

    bool OnInitDialog() override;
    bool OnCommand(int id) override;

    void AppendLine(const QString& line);
    void ShowStatus(const QString& text);
    // The selected lines in list order, each ended by a line feed.
    QString SelectedText() const;
    int FixedWidth() const { return fixedWidth_; }

    QListWidget* list;
    QPushButton* clearButton;
    QPushButton* copyButton;
    // Why the print file is not being written, when it is not.
    QLabel* status;
    // The paper in place of the list, chosen by the Tape / Text pair.
    TapeView* tape;
    QToolButton* tapeButton;
    QToolButton* textButton;
    void ShowTape(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void RecalcLayout();
    void AddToList(const QStringList& lines);
    void TrimToTape(QStringList& lines) const;

    QFont listFont_;
    int fixedWidth_ = 0;
    bool scrollPending_ = false;
    bool tapeShown_ = false;
    QStringList hiddenLines_;
    QSize buttonSize_;
};

// One printed line for the printer window, when it is open. The engine has
// already written the line to the print file, if it could.
void WritePrinterLine(const QString& line);
// The print file could not be written: the printer window says so, once a
// session (a box per line would bury the user).
void NotePrintFileFailure(const QString& path, int errorCode);
