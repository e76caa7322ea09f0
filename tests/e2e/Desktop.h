#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace flipstone::e2e {

// Runs a command to its end and gives its standard output; empty when it fails.
QString RunTool(const QString& program, const QStringList& arguments,
                const QStringList& environment = {}, int limitMs = 10000);
// Polls the condition every few milliseconds; false if it never held within the limit.
bool WaitUntil(const std::function<bool()>& condition, int limitMs = 10000);

// An X display of its own (Xvfb picks a free number), 1024 x 768, optionally with the openbox
// window manager. Input goes in through xdotool, pictures come out through ImageMagick.
class VirtualDisplay {
public:
    explicit VirtualDisplay(bool windowManager = false);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool IsUp() const { return !name_.isEmpty(); }
    QString Name() const { return name_; }
    QStringList Environment() const;

    // xdotool with these arguments; its output.
    QString Xdotool(const QStringList& arguments) const;
    // The visible windows whose title matches the pattern.
    std::vector<QString> Windows(const QString& titlePattern) const;
    // The window's rectangle on the screen, and that rectangle with the frame a window manager
    // drew around it (the same without one).
    QRect ScreenRect(const QString& window) const;
    QRect FrameRect(const QString& window) const;
    void Key(const QString& keys) const;
    void Type(const QString& text) const;
    void Click(QPoint point) const;
    void Focus(const QString& window) const;
    QImage Screenshot() const;

private:
    void StartServer(int number);

    QProcess server_;
    QProcess windowManager_;
    QString name_;
};

// A PulseAudio server of its own whose only output is a null sink. A silent low-latency stream
// keeps that sink running in real time, as a sound card's would: without it the sink renders far
// ahead and its monitor records what later rewinds take back, not what a listener hears.
class SoundServer {
public:
    explicit SoundServer(const QString& folder);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool IsUp() const { return up_; }
    QStringList Environment() const;
    // Starts recording the sink; false if the recording did not start or keep pace with the
    // clock.
    bool StartRecording();
    // Stops the recording and gives its separate sounds: (start, length) in milliseconds.
    std::vector<std::pair<int, int>> StopRecording();

private:
    QString folder_;
    QProcess server_;
    QProcess silence_;
    QProcess recorder_;
    bool up_ = false;
};

// The built flipstone, started as `make play` starts it, with its own home and settings folder
// on the given display.
class RealProgram {
public:
    explicit RealProgram(VirtualDisplay& display);
    ~RealProgram();
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    QString Folder() const { return home_.path(); }
    // Settings "NAME=value" for the environment of the next start.
    void AddEnvironment(const QStringList& settings) { extraEnvironment_ += settings; }
    QString SettingsPath() const;
    // The value under "Section/Name", empty when absent.
    QString Setting(const QString& key) const;

    void Start(const QStringList& arguments = {});
    // Waits for the main window, gives it the keyboard and waits for the board on the screen;
    // false if either never came.
    bool WaitForWindow();
    QString Window() const { return window_; }
    // Waits for a visible window with this title other than the main window.
    std::optional<QString> WaitForDialog(const QString& title, int limitMs = 10000);
    bool IsRunning() const;
    // The exit status, or -1 if it did not end in time.
    int WaitForExit(int limitMs = 10000);
    // What the program wrote to its standard error so far.
    QByteArray ErrorOutput() const;

    // The board view and its squares, from a screenshot.
    QRect ViewRect(const QImage& shot) const;
    QPoint SquareCentre(const QImage& shot, int column, int row) const;
    QRgb SquareColour(const QImage& shot, int column, int row) const;
    void ClickSquare(int column, int row) const;

private:
    VirtualDisplay& display_;
    QStringList extraEnvironment_;
    QTemporaryDir home_;
    QProcess process_;
    QString window_;
};

}  // namespace flipstone::e2e
