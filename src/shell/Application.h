#pragma once
// The program's lifetime: start-up in its order, the window, and the saves
// at exit, which also happen when the window could not be made.

#include "shell/ShellHost.h"
#include "shell/Skin.h"

#include <QString>
#include <QByteArrayList>
#include <QStringList>
#include <memory>

class CCalc;
class CMainWnd;
class ModuleLibrary;
class SingleInstance;

struct StartupOptions {
    QByteArrayList arguments;        // after the program name, as the system gave them
    QString settingsBase;            // empty: the user's application-data folder
    QString instanceName;            // empty: one per user
    QString dataFolder;              // for the ".ti" registration; empty: the user's
    QString executableFolder;        // empty: the running program's
    SkinResourcePaths skin;
};

class NorvaneSession {
public:
    explicit NorvaneSession(StartupOptions options);
    ~NorvaneSession();

    // False when another copy runs: nothing was loaded and nothing will be saved.
    bool StartUp();
    // Saves settings, modules, the autosave and the breakpoints, in that order.
    void Exit();

    CCalc& Calc() { return *calc_; }
    CMainWnd* Window() { return window_.get(); }
    ShellHost& Host() { return host_; }
    ModuleLibrary& Modules() { return *modules_; }
    const QString& Folder() const { return folder_; }
    // The program file named on the command line, or the autosave.
    const QString& LoadedPath() const { return loadedPath_; }

private:
    StartupOptions options_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<CCalc> calc_;
    ShellHost host_;
    std::unique_ptr<ModuleLibrary> modules_;
    std::unique_ptr<CMainWnd> window_;
    QString folder_;
    QString loadedPath_;
    bool started_ = false;
};

// The whole program; returns the process's exit status.
int RunNorvane(int argc, char** argv);
