#include "Desktop.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <algorithm>
#include <cstdint>

namespace flipstone::e2e {

namespace {

// Sets each "NAME=value" of the settings in the environment.
void Insert(QProcessEnvironment& environment, const QStringList& settings) {
    for (const QString& setting : settings) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        environment.insert(setting.left(equals), setting.mid(equals + 1));
    }
}

QProcessEnvironment EnvironmentWith(const QStringList& settings) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Insert(environment, settings);
    return environment;
}

QByteArray RunForOutput(const QString& program, const QStringList& arguments,
                        const QStringList& environment, int limitMs) {
    QProcess process;
    process.setProcessEnvironment(EnvironmentWith(environment));
    process.start(program, arguments);
    if (!process.waitForFinished(limitMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.readAllStandardOutput();
}

void Stop(QProcess& process, int signal = SIGTERM) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    ::kill(static_cast<pid_t>(process.processId()), signal);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

QString MakePrivateFolder(const QString& path) {
    QDir().mkpath(path);
    ::chmod(QFile::encodeName(path).constData(), 0700);
    return path;
}

constexpr QRgb kViewGreen = 0xFF00FF00;

}  // namespace

QString RunTool(const QString& program, const QStringList& arguments,
                const QStringList& environment, int limitMs) {
    return QString::fromLocal8Bit(RunForOutput(program, arguments, environment, limitMs));
}

bool WaitUntil(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > limitMs) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

// ---- The display ----

VirtualDisplay::VirtualDisplay(bool windowManager) {
    // Each test process picks display numbers of its own, so that parallel tests never race
    // for one.
    for (int attempt = 0; attempt < 5 && name_.isEmpty(); ++attempt) {
        StartServer(100 + (::getpid() * 7 + attempt * 131) % 800);
    }
    if (name_.isEmpty()) {
        return;
    }
    if (windowManager) {
        windowManager_.setProcessEnvironment(EnvironmentWith(Environment()));
        windowManager_.start(QStringLiteral("openbox"), {"--sm-disable"});
        const bool managed =
            WaitUntil([this] { return !Xdotool({"get_num_desktops"}).trimmed().isEmpty(); });
        if (!managed) {
            name_.clear();
        }
    }
}

void VirtualDisplay::StartServer(int number) {
    Stop(server_);
    // With its number given, the server writes it to -displayfd once it accepts clients, and
    // exits at once if another server has that number. -noreset: an X server resets whenever
    // its last client leaves, and refuses clients while it does, which a loaded machine makes
    // long enough for the program to fail to start.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral(":%1").arg(number), "-displayfd", "1", "-noreset", "-screen", "0",
                   "1024x768x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted() || !server_.waitForReadyRead(10000)) {
        return;
    }
    if (QString::fromLatin1(server_.readLine()).trimmed() != QString::number(number)) {
        return;
    }
    name_ = QStringLiteral(":%1").arg(number);
    const bool answers = WaitUntil(
        [this] {
            return server_.state() == QProcess::Running &&
                   !Xdotool({"getdisplaygeometry"}).trimmed().isEmpty();
        },
        5000);
    if (!answers) {
        name_.clear();
    }
}

VirtualDisplay::~VirtualDisplay() {
    Stop(windowManager_);
    Stop(server_);
}

QStringList VirtualDisplay::Environment() const {
    return {QStringLiteral("DISPLAY=") + name_};
}

QString VirtualDisplay::Xdotool(const QStringList& arguments) const {
    return RunTool(QStringLiteral("xdotool"), arguments, Environment());
}

std::vector<QString> VirtualDisplay::Windows(const QString& titlePattern) const {
    std::vector<QString> windows;
    const QString found = Xdotool({"search", "--onlyvisible", "--name", titlePattern});
    for (const QString& line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        windows.push_back(line.trimmed());
    }
    return windows;
}

QRect VirtualDisplay::ScreenRect(const QString& window) const {
    QRect rect;
    const QString info = RunTool(QStringLiteral("xwininfo"), {"-id", window}, Environment());
    for (const QString& line : info.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (line.contains(QLatin1String("Absolute upper-left X"))) {
            rect.moveLeft(value);
        } else if (line.contains(QLatin1String("Absolute upper-left Y"))) {
            rect.moveTop(value);
        } else if (line.trimmed().startsWith(QLatin1String("Width:"))) {
            rect.setWidth(value);
        } else if (line.trimmed().startsWith(QLatin1String("Height:"))) {
            rect.setHeight(value);
        }
    }
    return rect;
}

QRect VirtualDisplay::FrameRect(const QString& window) const {
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QString extents =
        RunTool(QStringLiteral("xprop"), {"-id", window, "_NET_FRAME_EXTENTS"}, Environment());
    const QStringList sizes = extents.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    const QRect client = ScreenRect(window);
    if (sizes.size() != 4) {
        return client;
    }
    return client.adjusted(-sizes[0].trimmed().toInt(), -sizes[2].trimmed().toInt(),
                           sizes[1].trimmed().toInt(), sizes[3].trimmed().toInt());
}

void VirtualDisplay::Key(const QString& keys) const {
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    arguments += keys.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Xdotool(arguments);
}

void VirtualDisplay::Type(const QString& text) const {
    Xdotool({"type", "--delay", "10", text});
}

void VirtualDisplay::Click(QPoint point) const {
    Xdotool({"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

void VirtualDisplay::Focus(const QString& window) const {
    Xdotool({"windowfocus", "--sync", window});
}

QImage VirtualDisplay::Screenshot() const {
    const QByteArray png =
        RunForOutput(QStringLiteral("import"), {"-window", "root", "-depth", "8", "png:-"},
                     Environment(), 10000);
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

// ---- Sound ----

SoundServer::SoundServer(const QString& folder) : folder_(folder) {
    MakePrivateFolder(folder_ + QStringLiteral("/run"));
    server_.setProcessEnvironment(
        EnvironmentWith({QStringLiteral("HOME=") + folder_,
                         QStringLiteral("XDG_RUNTIME_DIR=") + folder_ + "/run"}));
    server_.start(QStringLiteral("pulseaudio"),
                  {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
                   "module-null-sink sink_name=cues", "-L",
                   "module-native-protocol-unix auth-anonymous=1 socket=" + folder_ + "/socket"});
    up_ = server_.waitForStarted() && WaitUntil([this] {
              return !RunTool(QStringLiteral("pactl"), {"list", "short", "sinks"}, Environment())
                          .isEmpty();
          });
    if (!up_) {
        return;
    }
    silence_.setProcessEnvironment(EnvironmentWith(Environment()));
    silence_.start(QStringLiteral("pacat"),
                   {"--raw", "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=20",
                    "-d", "cues", "/dev/zero"});
    up_ = silence_.waitForStarted();
}

SoundServer::~SoundServer() {
    Stop(recorder_, SIGINT);
    Stop(silence_);
    Stop(server_);
}

QStringList SoundServer::Environment() const {
    return {QStringLiteral("PULSE_SERVER=unix:") + folder_ + QStringLiteral("/socket")};
}

bool SoundServer::StartRecording() {
    recorder_.setProcessEnvironment(EnvironmentWith(Environment()));
    recorder_.start(QStringLiteral("parec"),
                    {"--raw", "--format=s16le", "--rate=44100", "--channels=1",
                     "--latency-msec=200", "-d", "cues.monitor", folder_ + "/recording.raw"});
    if (!recorder_.waitForStarted()) {
        return false;
    }
    // Right after the server starts, the sink may not yet run in real time: wait until the
    // recording keeps pace with the clock.
    const QString recording = folder_ + QStringLiteral("/recording.raw");
    constexpr qint64 kBytesPerSecond = 44100 * 2;
    return WaitUntil([&] {
        const qint64 before = QFileInfo(recording).size();
        QThread::msleep(500);
        return QFileInfo(recording).size() - before >= kBytesPerSecond * 4 / 10;
    });
}

std::vector<std::pair<int, int>> SoundServer::StopRecording() {
    Stop(recorder_, SIGINT);
    QFile file(folder_ + QStringLiteral("/recording.raw"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const qsizetype count = bytes.size() / 2;
    constexpr int kLoud = 2000;
    constexpr qsizetype kRate = 44100;
    // Quiet for longer than this ends a sound.
    constexpr qsizetype kGap = kRate * 40 / 1000;
    std::vector<std::pair<int, int>> sounds;
    qsizetype first = -1;
    qsizetype last = -1;
    auto finish = [&] {
        if (first >= 0) {
            sounds.emplace_back(static_cast<int>(first * 1000 / kRate),
                                static_cast<int>((last - first + 1) * 1000 / kRate));
        }
    };
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(samples[i]) <= kLoud) {
            continue;
        }
        if (first < 0 || i - last > kGap) {
            finish();
            first = i;
        }
        last = i;
    }
    finish();
    return sounds;
}

// ---- The program ----

RealProgram::RealProgram(VirtualDisplay& display) : display_(display) {
    MakePrivateFolder(home_.path() + QStringLiteral("/run"));
}

RealProgram::~RealProgram() {
    Stop(process_);
}

QString RealProgram::SettingsPath() const {
    return home_.path() + QStringLiteral("/config/Hollin/Flipstone.conf");
}

QString RealProgram::Setting(const QString& key) const {
    return QSettings(SettingsPath(), QSettings::IniFormat).value(key).toString();
}

void RealProgram::Start(const QStringList& arguments) {
    QProcessEnvironment environment = EnvironmentWith(display_.Environment());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path() + QStringLiteral("/run"));
    // No sound server unless a test brings its own.
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));
    // Leaks are the leak check's business; here the exit status must be the program's own.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    // English, whatever the machine's language, unless the test chooses one.
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    Insert(environment, extraEnvironment_);
    process_.setProcessEnvironment(environment);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(home_.path() + QStringLiteral("/stderr.txt"));
    process_.start(QStringLiteral(FLIPSTONE_PLAY_SCRIPT),
                   QStringList{QStringLiteral(FLIPSTONE_BUILD_DIR)} + arguments);
    process_.waitForStarted();
}

bool RealProgram::WaitForWindow() {
    const bool shown = WaitUntil(
        [this] {
            // The main window is the largest one titled "Flipstone".
            int largest = 0;
            for (const QString& window : display_.Windows(QStringLiteral("^Flipstone"))) {
                const QRect geometry = display_.ScreenRect(window);
                if (geometry.width() * geometry.height() > largest && geometry.height() > 300) {
                    largest = geometry.width() * geometry.height();
                    window_ = window;
                }
            }
            return largest > 0;
        },
        20000);
    if (!shown) {
        return false;
    }
    display_.Focus(window_);
    // The first paint has happened once the board is on the screen.
    return WaitUntil([this] { return !ViewRect(display_.Screenshot()).isEmpty(); });
}

std::optional<QString> RealProgram::WaitForDialog(const QString& title, int limitMs) {
    std::optional<QString> dialog;
    WaitUntil(
        [&] {
            for (const QString& window : display_.Windows(title)) {
                if (window != window_) {
                    dialog = window;
                }
            }
            return dialog.has_value();
        },
        limitMs);
    return dialog;
}

QByteArray RealProgram::ErrorOutput() const {
    QFile file(home_.path() + QStringLiteral("/stderr.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RealProgram::IsRunning() const {
    return process_.state() != QProcess::NotRunning;
}

int RealProgram::WaitForExit(int limitMs) {
    if (!process_.waitForFinished(limitMs) || process_.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return process_.exitCode();
}

QRect RealProgram::ViewRect(const QImage& shot) const {
    int left = shot.width();
    int top = shot.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if (line[x] == kViewGreen) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QPoint RealProgram::SquareCentre(const QImage& shot, int column, int row) const {
    const QRect view = ViewRect(shot);
    const int extent = std::min(view.width(), view.height());
    const int boardSize = 8 * extent / 10;
    const double unit = extent * 0.1;
    const int left = view.left() + (view.width() - boardSize) / 2;
    const int top = view.top() + (view.height() - boardSize) / 2;
    return QPoint(left + static_cast<int>((column + 0.5) * unit),
                  top + static_cast<int>((row + 0.5) * unit));
}

QRgb RealProgram::SquareColour(const QImage& shot, int column, int row) const {
    // A little off the centre, clear of the last move's cross.
    const QRect view = ViewRect(shot);
    const int offset = std::min(view.width(), view.height()) / 40;
    return shot.pixel(SquareCentre(shot, column, row) - QPoint(offset, offset)) & 0xFFFFFF;
}

void RealProgram::ClickSquare(int column, int row) const {
    display_.Click(SquareCentre(display_.Screenshot(), column, row));
}

}  // namespace flipstone::e2e
