#pragma once
// "Program": the user program as an editable listing, one instruction a
// line. Typing a line assembles it; a line that does not read keeps its text
// and shows why beside it. Paste, open and save listings in every form the
// program-text reader knows; a label table; undo and redo of every change
// made here. Inserting and deleting moves the absolute addresses past the
// change with their targets unless the user turns that off.

#include <QWidget>
#include <optional>

#include "programtext/ProgramText.h"

class CMainWnd;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QUndoStack;

class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    enum Column { kStepColumn, kCodesColumn, kInstructionColumn, kProblemColumn };
    enum class PasteMode { InsertAtCursor, ReplaceProgram };

    explicit ProgramWindow(CMainWnd& window);
    ~ProgramWindow() override;

    // The open window, or null.
    static ProgramWindow* Instance() { return open_; }

    // Rebuilds the listing and the label table from user memory.
    void Refresh();

    // A line typed over the instruction at `row` (the row past the last
    // instruction appends). False when it did not read: the row shows why.
    bool EditLine(int row, const QString& text);
    // A Nop before the instruction at `row`, to be typed over.
    void InsertLine(int row);
    void DeleteLine(int row);

    // Program text from the clipboard, a file or a drop, as the paste mode
    // says; a text that does not read changes nothing and the window says why.
    bool PasteText(const QString& text, const QString& origin);
    // Text shown in the offer bar with the choice of how to load it.
    void OfferText(const QString& text, const QString& origin);
    bool LoadText(const QString& text, const QString& origin, PasteMode mode);

    void OpenListing();
    void SaveListing();
    // UTF-8 listing, UTF-16 listing as List writes it, or a key script.
    enum class SaveForm { Utf8Listing, Utf16Listing, KeyScript };
    bool SaveListingTo(const QString& path, SaveForm form);

    void SetPasteMode(PasteMode mode);
    void SetMoveAddresses(bool move);

    QTableWidget* listing() const { return listing_; }
    QTableWidget* labels() const { return labels_; }
    QUndoStack* undoStack() const { return undo_; }
    QString statusText() const;
    QString offerText() const;

    // The program changed elsewhere (a file loaded): the undo history no
    // longer fits it.
    void ProgramChangedOutside();
    void ShowStatus(const QString& text, bool problem);
    // A file's text, decoded; empty with the status showing why when it
    // cannot be read.
    std::optional<QString> ReadTextFile(const QString& path);

    // Writes a program into user memory (used by the undo commands).
    void WriteProgram(const ProgramSteps1000& steps);
    ProgramSteps1000 CurrentProgram() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        int step = 0;
        int length = 0; // 0 for the row past the end
    };
    bool Apply(const ProgramSteps1000& before, int at, int removed, std::span<const std::uint8_t> inserted,
               const QString& what);
    void ShowRowProblem(int row, const QString& text, const QString& problem);
    void FillLabels(const ProgramSteps1000& steps, int end);
    int CurrentRow() const;
    void LineEdited(int row, int column);

    CMainWnd& window_;
    QTableWidget* listing_;
    QTableWidget* labels_;
    QUndoStack* undo_;
    QComboBox* pasteMode_;
    QCheckBox* moveAddresses_;
    QLabel* status_;
    QWidget* offerBar_;
    QLabel* offerLabel_;
    QString offered_;
    QString offeredOrigin_;
    std::vector<Row> rows_;
    ProgramSteps1000 shown_{}; // the memory the listing shows
    bool filling_ = false;
    static ProgramWindow* open_;
};

ProgramWindow& OpenProgramWindow(CMainWnd& window);
