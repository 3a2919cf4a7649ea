#include "shell/Application.h"

#include "core/CCalc.h"
#include "printer/Breakpoints.h"
#include "shell/CMainWnd.h"
#include "shell/EngineFilePaths.h"
#include "shell/EnginePath.h"
#include "shell/FileAssociation.h"
#include "shell/Settings.h"
#include "shell/SingleInstance.h"
#include "shell/QtStringStore.h"
#include "shell/StateFolder.h"
#include "shell/SystemError.h"
#include "shell/TerminationSignal.h"
#include "storage/MasterMemoFolder.h"
#include "storage/ModuleLibrary.h"
#include "storage/ProgramFile.h"
#include "storage/TextCodec.h"
#include "resources/BuiltInModule.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>

namespace {
std::filesystem::path FilePath(const QString& path)
{
    return storage::PathFromWide(EnginePath(path));
}
}  // namespace

NorvaneSession::NorvaneSession(StartupOptions options) : options_(std::move(options)) {}

NorvaneSession::~NorvaneSession() = default;

bool NorvaneSession::StartUp()
{
    instance_ = std::make_unique<SingleInstance>(
        options_.instanceName.isEmpty() ? SingleInstance::DefaultName() : options_.instanceName);
    if (!instance_->IsFirst())
        return false;
    started_ = true;

    const QString dataFolder = options_.dataFolder.isEmpty()
                                   ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                   : options_.dataFolder;
    const QString executableFolder =
        options_.executableFolder.isEmpty() ? QCoreApplication::applicationDirPath() : options_.executableFolder;
    if (!RunsInstalled(executableFolder))
        RegisterFileAssociation(dataFolder, QCoreApplication::applicationFilePath(), options_.dataFolder.isEmpty());
    LoadSettings();

    calc_ = std::make_unique<CCalc>();
    calc_->SetHost(&host_);
    folder_ = SettingsFolder(options_.settingsBase.isEmpty() ? DefaultSettingsBase() : options_.settingsBase);
    // The whole command line is one path, spaces and quotes included. A named
    // file that cannot be loaded is reported and the autosave loaded instead,
    // so that exit never writes an empty memory over the user's program.
    const QByteArray named = options_.arguments.join(' ');
    loadedPath_ = QFile::decodeName(named);
    if (named.isEmpty() || !LoadProgramFile(*calc_, EnginePath(named), MissingFile::Report)) {
        loadedPath_ = AutosavePath(folder_);
        // Without its folder the autosave is simply not there, not a failure.
        if (QFileInfo(folder_).isDir())
            LoadProgramFile(*calc_, EnginePath(loadedPath_));
    }
    LoadBreakpointState(FilePath(BreakpointStatePath(folder_)));
    modules_ = std::make_unique<ModuleLibrary>(*calc_, BuiltInModuleImage(),
                                               MasterMemoFolder(FilePath(QCoreApplication::applicationDirPath())));
    QtStringStore store(ProgramQSettings());
    modules_->RestoreModules(store);
    SendFilePathsToEngine(*calc_, TheSettings().PrintFile, TheSettings().WriteFolder);

    // The zoom the window will fit at, so that its pictures are read once, at their scale.
    const int zoom = CMainWnd::FittedZoom(QGuiApplication::primaryScreen(), static_cast<int>(TheSettings().Zoom));
    if (std::optional<SkinImages> skin = PrepareSkin(options_.skin, qApp->devicePixelRatio() * zoom / 100.0)) {
        window_ = std::make_unique<CMainWnd>(*calc_, std::move(*skin), zoom);
        window_->ChooseZoom(zoom);
        window_->modules = modules_.get();
        window_->ReloadLabelStrip();
        host_.AttachWindow(window_.get());
        QObject::connect(instance_.get(), &SingleInstance::RaiseRequested, window_.get(), [this] {
            window_->show();
            window_->raise();
            window_->activateWindow();
        });
    }
    return true;
}

void NorvaneSession::Exit()
{
    if (!started_)
        return;
    started_ = false;
    host_.AttachWindow(nullptr);
    window_.reset();
    SaveSettings();
    QtStringStore store(ProgramQSettings());
    modules_->SaveModulesToRegistry(store);
    ProgramQSettings().sync();
    SaveProgramFile(*calc_, EnginePath(AutosavePath(folder_)));
    const QString statePath = BreakpointStatePath(folder_);
    const storage::WriteResult saved = SaveBreakpointState(FilePath(statePath));
    if (!saved.ok())
        ShowSystemError(QStringLiteral("Cannot write breakpoints"), saved.error, statePath);
    modules_.reset();
    calc_.reset();
}

int RunNorvane(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvane"));
    QApplication::setOrganizationName(QStringLiteral("Brivet"));
    QApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));
    EnsureSkinResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/icon.png")));

    StartupOptions options;
    // Qt has taken its own options out of argv; the rest are file-name bytes,
    // which QApplication::arguments() would change where they are not UTF-8.
    for (int i = 1; i < argc; ++i)
        options.arguments << QByteArray(argv[i]);
    NorvaneSession session(std::move(options));
    if (!session.StartUp())
        return 0;
    if (CMainWnd* window = session.Window()) {
        QObject::connect(window, &CMainWnd::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
        CloseOnTerminationSignal(window);
        window->show();
        QApplication::exec();
    }
    session.Exit();
    return 0;
}
