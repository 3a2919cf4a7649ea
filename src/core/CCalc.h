#pragma once
// The emulated TI-59: every piece of calculator state and the one entry point
// through which every key press and every program step passes. Front ends
// drive it with ProcessKey, StepProgram and GetDisplayText and read the fields
// still public directly; everything the engine asks of the outside goes through `host`.

#include "core/CalcHost.h"
#include "core/KeyCodes.h"
#include "core/MemorySize.h"
#include "instructions/CPile.h"
#include "numbers/CNombre.h"
#include "numbers/CSaisieNombre.h"
#include "numbers/Format.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct ReducedAngle;

class CCalc {
public:
    static constexpr int MemoCount = 13;      // Title, Line0, Line1, A0, A1 ... E0, E1
    static constexpr int MemoLength = 128;    // 127 characters and a terminator
    static constexpr int RegisterCount = kRegisterCount;
    static constexpr int StepCount = kStepCount;
    static constexpr int LastStep = StepCount - 1;
    static constexpr int AreaCount = 101;     // area 0: user memory; 1..100: library programs
    static constexpr int LevelCount = 100;    // subroutine levels 0..99
    static constexpr int FlagCount = 10;
    static constexpr int PathLength = 261;
    static constexpr int AlphaLength = 20;
    static constexpr int DisplayCapacity = 32;

    // mode
    static constexpr int ModeCalculate = 0;
    static constexpr int ModeLearn = 1;
    static constexpr int ModeRun = 2;
    // angleUnit
    static constexpr int Degrees = 0;
    static constexpr int Radians = 1;
    static constexpr int Grads = 2;
    // fixDigits: 0..8 decimals, or this for none
    static constexpr int NoFixedDecimals = 9;

    // ---- state, in declaration order ----
    wchar_t memoTexts[MemoCount][MemoLength] = {};
    int32_t angleUnit = Degrees;
    int32_t displayFormat = NormalMode;   // a DisplayMode
private:
    int32_t mode = ModeCalculate;       // changed by keys and steps only
public:
    int errorFlag = 0;
    int32_t invFlag = 0;
    int32_t pauseRequest = 0;          // set by Pause, cleared at the start of every step
    CPile pile{errorFlag};
    CNombre x;                          // display register
    CNombre t;
    CNombre registers[RegisterCount];
    int32_t branchCondition = 1;        // whether the pending address operand jumps
private:
    // Read through Area and Pc; written by keys, steps and the Load and Write calls.
    uint8_t programMemory[AreaCount][StepCount] = {};
public:
    uint8_t* areaBase = programMemory[0];   // area levelArea[callLevel]
private:
    int32_t pc = 0;
public:
    int32_t learnPointer = 0;           // step of area 0 shown and written in learn mode
    // Subroutine stack; entry k describes the call made from level k into k + 1.
    int16_t returnAddresses[LevelCount] = {};
    int16_t levelArea[LevelCount] = {};    // area executing at that level
    int16_t selectedArea[LevelCount] = {}; // area that labels, calls and Pgm address
    int32_t fromKeyboard[LevelCount] = {1};
    int32_t callLevel = 0;
    int32_t flags[FlagCount] = {};
    int32_t advancePc = 1;
    // Operand collection of a pending prefix instruction.
    uint8_t operandDigits = 0;          // 0: no prefix pending
    uint8_t operandDigitsGiven = 0;
    uint8_t pendingPrefix = Key::Nop;
    int32_t prefixInv = 0;
    int32_t operandValue = 0;
    int32_t indAllowed = 0;
    int32_t indirect = 0;
    int32_t labelAllowed = 0;
    int32_t lastRecordedInv = 0;        // learn mode: the step just written was INV
    int32_t fixDigits = NoFixedDecimals;
private:
    // Kept in its place among the state: where a field lies shows in the speed of a run.
    int32_t stopRequest = 0;            // stop the run once the pending instruction completes
public:
    int16_t resumeAddress = 0;          // pc + 1 at the last RTN
    int32_t shownProgram = 0;           // area selected by Pgm from the keyboard
    int32_t entryActive = 1;            // a number is being keyed in
    int32_t displayOnPile = 0;          // x is already the pile's top operand
    CSaisieNombre entry;
private:
    // Written only through SetPrintFile and SetWriteFolder, which refuse a path cut short.
    wchar_t printFilePath[PathLength] = {};
    wchar_t writeFolderPath[PathLength] = {};
public:
    wchar_t alphaLine[AlphaLength + 1] = {};

    // Null when nobody listens; checked at every call.
    CalcHost* host = nullptr;

    CCalc();
    virtual ~CCalc() = default;
    CCalc(const CCalc&) = delete;
    CCalc& operator=(const CCalc&) = delete;

    void SetHost(CalcHost* newHost);

    // ---- driving the calculator ----
    // One key press, or one code from whoever stands in for the keyboard.
    void ProcessKey(uint8_t code);
    // The step at pc of the executing area; the caller repeats while mode is run.
    void StepProgram();
    int32_t Mode() const { return mode; }
    // True while an instruction is still collecting its operand (digits, Ind, a label).
    bool InstructionPending() const { return operandDigits != 0 || labelAllowed; }
    // Why RunSteps came back.
    enum class RunEnd { Stopped, Paused, BudgetSpent };
    struct RunResult {
        RunEnd end;
        uint64_t steps;
    };
    // Steps while mode is run: until the run stops, a Pause, or maxSteps are
    // taken. The budget never ends a slice inside an instruction, so a stop
    // asked for afterwards takes effect at once.
    RunResult RunSteps(uint64_t maxSteps);
    // R/S during a run: at once between instructions, else as soon as the
    // instruction under way has its operands.
    void RequestStop();
    // The print file and the folder of memory banks; a path too long for the
    // state is refused whole (false) and the old one kept.
    bool SetPrintFile(const std::wstring& path);
    bool SetWriteFolder(const std::wstring& path);
    // Empty when none is set.
    std::wstring_view PrintFile() const;
    std::wstring_view WriteFolder() const;
    // Replaces user memory (area 0) with steps, zero past them, and puts the
    // keyboard level at its step 000.
    void LoadUserProgram(std::span<const uint8_t> steps);
    // The same, leaving pc and the subroutine levels as they are: an edit.
    void WriteUserProgram(std::span<const uint8_t> steps);
    // Writes steps into an area (0..AreaCount-1), zero past them; the caller
    // tells the listing when it shows that area.
    void WriteArea(int area, std::span<const uint8_t> steps);
    // Area 0 is user memory, 1..AreaCount-1 the library programs.
    std::span<const uint8_t, StepCount> Area(int area) const { return std::span<const uint8_t, StepCount>(programMemory[area], StepCount); }
    std::span<const uint8_t, StepCount> UserProgram() const { return Area(0); }
    // The step the executing area is at.
    int32_t Pc() const { return pc; }
    // What a front end may keep between sessions besides memory.
    struct DisplayModes {
        int32_t angleUnit;
        int32_t displayFormat;
        int32_t fixDigits;
        bool Valid() const;
    };
    DisplayModes GetDisplayModes() const { return {angleUnit, displayFormat, fixDigits}; }
    // Nothing changes, and false, when one of them is out of range.
    bool SetDisplayModes(const DisplayModes& modes);
    // buffer holds DisplayCapacity characters; true when the text ends in an exponent.
    bool GetDisplayText(wchar_t* buffer, bool showWhileRunning) const;
    bool FormatDisplayValue(const CNombre& value, wchar_t* buffer) const;
    std::wstring DisplayText(bool showWhileRunning = false) const;

    // ---- helpers the instruction handlers share ----
    CNombre TakeDisplayValue(bool forOperator, bool newValue);
    void SetPendingPrefix(uint8_t code, int digits, bool allowInd);
    // Range check of x after a key; raised says the key itself failed. True when
    // x was replaced by a limit.
    bool CheckRange(bool raised = false);
    void CheckRegisterRange(int n);

    // ---- program control ----
    // Step index of the Lbl step followed by labelCode in the selected area, or -1.
    int32_t FindLabel(uint8_t labelCode) const;
    bool CallSubroutine(int16_t returnAddress, int16_t target);
    void ReturnFromSubroutine();
    // Points areaBase at the area executing at callLevel; call after changing
    // callLevel or levelArea from outside (loading a file, Op 41 and above).
    void SyncAreaBase();
    // Sets callLevel to the keyboard level.
    void ResetCallLevel();

    // ---- learn mode ----
    // Writes one step at learnPointer of user memory; true when the pointer advanced.
    bool RecordStep(uint8_t code, bool noInvTracking);

    // ---- operand collection ----
    void CompletePrefix();
    void TakeLabelOperand(uint8_t label);

    // ---- instructions filled elsewhere ----
    // Op n, n the operand (0..255; anything larger arrives as 255).
    void SpecialFunction(int n);
    // Prt: print x (number entry already ended).
    void PrintValue();
    // Adv: an empty printer line.
    void PaperAdvance();
    // INV List from the keyboard: registers first..99; first may be negative or above 99.
    void PrintRegisters(int first);
    // List from the keyboard: the listing of the executing area, to a file the host names.
    void ListProgram();
    // Write / INV Write: mode calculate = program file from the keyboard,
    // mode run = memory bank IntegerOf(x) from a program. inv = read.
    void WriteKey(bool inv);

    // Integer part of a value, saturated to +-10^16 (beyond every count and address).
    static int64_t IntegerOf(const CNombre& value);

    // ---- notifications ----
    // The host when it wants every change, else null.
    CalcHost* Debugger() const { return host && host->WantsChangeNotifications() ? host : nullptr; }
    void NotifyPcMoved();
    void NotifyRegisters(int first, int last);
    void NotifyT();
    void NotifyFlags();
    void NotifyListing(int first, int last);

private:
    using Handler = void (CCalc::*)(uint8_t code);
    bool stepInProgress = false;
    static const Handler handlers[Key::Last + 1];

    void ExecuteKey(uint8_t code);
    void FeedRunOperand(uint8_t code);
    void FinishKey(uint8_t code);
    void StopOnError();
    static bool CopyPath(const std::wstring& path, wchar_t (&target)[PathLength]);

    // keys of number entry and the display
    void KeyDigit(uint8_t code);
    void KeyChangeSign(uint8_t code);
    void KeyEe(uint8_t code);
    void KeyEng(uint8_t code);
    void KeyFix(uint8_t code);
    void KeyAngleUnit(uint8_t code);
    void KeyPause(uint8_t code);
    void KeyInv(uint8_t code);
    void KeyPi(uint8_t code);
    // clearing
    void KeyCe(uint8_t code);
    void KeyClr(uint8_t code);
    void KeyCp(uint8_t code);
    void KeyCms(uint8_t code);
    // functions of the display value
    void KeyFunction(uint8_t code);
    void KeyTrig(uint8_t code);
    void KeyPolarRect(uint8_t code);
    void KeyDms(uint8_t code);
    void KeyStatPlus(uint8_t code);
    void KeyMean(uint8_t code);
    void KeyOperator(uint8_t code);
    // program control
    void KeyUser(uint8_t code);
    void KeyRunStop(uint8_t code);
    void KeyReturn(uint8_t code);
    void KeyRst(uint8_t code);
    void KeyLrn(uint8_t code);
    void KeySst(uint8_t code);
    // SBR to target: from the keyboard it starts a run that ends at its RTN.
    void EnterSubroutine(int target);
    // prefixes
    void KeyPrefix(uint8_t code);
    void KeyCompare(uint8_t code);
    void KeyGto(uint8_t code);
    void KeySbr(uint8_t code);
    void KeyLbl(uint8_t code);
    void KeyDsz(uint8_t code);
    // keys served elsewhere
    void KeyList(uint8_t code);
    void KeyWrite(uint8_t code);
    void KeyPrint(uint8_t code);

    // learn mode
    void LearnKey(uint8_t code);
    void LearnArm(uint8_t code);
    void LearnIndirect();
    void LearnOperand();
    void LearnLabel(uint8_t label);
    void InsertStep();
    void DeleteStep();
    void LeaveLearnMode();

    // completion of prefix instructions
    bool ResolveRegister(int& reg);
    bool ResolveIndirectValue(int64_t& value);
    // The operand, or the register it names with Ind, when it lies in 0..last.
    bool ResolveInRange(int& result, int64_t last);
    void CompleteRegisterInstruction(uint8_t key);
    void CompletePgm();
    void CompleteFix();
    void CompleteGto();
    void CompleteSbr();
    void CompleteHir();
    void CompleteStFlg();
    void CompleteIfFlg();
    void CompleteDsz();
    void CompleteOp();
    void ArmAddress();
    bool ResolveDigit(int& digit);
    bool ResolveAddress(int& address);

    CNombre FromAngleUnit(const CNombre& v) const;
    CNombre ToAngleUnit(const CNombre& r) const;
    ReducedAngle ReduceAngle(const CNombre& v) const;
};
