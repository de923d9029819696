#include "targets.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

// Start-up of the real program through a real X server: from starting the process until its main
// window has been painted, seen from outside as the X server's damage reports on that window.
namespace {

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
            posix_spawn_file_actions_t* actions = nullptr)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    return pid;
}

// Ends the process and gives the processor time it used, in seconds.
double stop(pid_t pid)
{
    if (pid <= 0)
        return 0;
    kill(pid, SIGTERM);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A private Xvfb on a display number of its own choosing, with one client connection watching it.
class XServer {
public:
    // Display numbers are taken at random from a high range: servers of other folders on this
    // machine may hold low ones through sockets that no lock file here shows. The screen holds the
    // window at ratio 2 whole, since the server reports no drawing outside it.
    XServer()
    {
        std::srand(static_cast<unsigned>(getpid()));
        for (int attempt = 0; attempt < 10 && !connection_; ++attempt)
            start_at(QByteArray(":").append(QByteArray::number(200 + std::rand() % 700)).toStdString());
        if (!connection_) {
            failure_ = "Xvfb did not start";
            return;
        }
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) {
            failure_ = "Xvfb has no DAMAGE extension";
            return;
        }
        damage_event_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                            nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
        ready_ = true;
    }
    ~XServer()
    {
        if (connection_)
            xcb_disconnect(connection_);
        stop(pid_);
    }
    bool ready() const { return ready_; }
    const std::string& failure() const { return failure_; }
    const std::string& display() const { return display_; }

    // Waits until a top-level window at least `least_width` wide has been painted all over;
    // false after `limit`.
    bool wait_for_painted_window(int least_width, std::chrono::milliseconds limit)
    {
        const Clock::time_point end = Clock::now() + limit;
        xcb_window_t window = 0;
        int width = 0, height = 0;
        int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
        xcb_damage_damage_t damage = 0;
        for (;;) {
            xcb_generic_event_t* event = next_event(end);
            if (!event)
                return false;
            const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, &free);
            const int type = event->response_type & ~0x80;
            if (type == XCB_CREATE_NOTIFY && !window) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (created->width < least_width)
                    continue;
                window = created->window;
                width = created->width;
                height = created->height;
                damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection_);
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                if (configured->window == window) {
                    width = configured->width;
                    height = configured->height;
                }
            } else if (type == damage_event_) {
                const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (damaged->drawable != window)
                    continue;
                left = std::min<int>(left, damaged->area.x);
                top = std::min<int>(top, damaged->area.y);
                right = std::max<int>(right, damaged->area.x + damaged->area.width);
                bottom = std::max<int>(bottom, damaged->area.y + damaged->area.height);
                if (left <= 0 && top <= 0 && right >= width && bottom >= height) {
                    xcb_damage_destroy(connection_, damage);
                    xcb_flush(connection_);
                    return true;
                }
            }
        }
    }

private:
    // Starts Xvfb on `display` and connects to it once it accepts clients; leaves no server
    // behind when it does not come up.
    void start_at(const std::string& display)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_ = spawn({"/usr/bin/Xvfb", display, "-screen", "0", "2560x1600x24", "-nolisten", "tcp"},
                     {"PATH=/usr/bin:/bin"}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        for (int wait = 0; wait < 100 && pid_ > 0; ++wait) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            usleep(100000);
            xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
            if (!xcb_connection_has_error(connection)) {
                connection_ = connection;
                display_ = display;
                return;
            }
            xcb_disconnect(connection);
        }
        stop(pid_);
        pid_ = -1;
    }

    xcb_generic_event_t* next_event(Clock::time_point end)
    {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
                return event;
            if (xcb_connection_has_error(connection_))
                return nullptr;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            if (left <= 0)
                return nullptr;
            pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&readable, 1, static_cast<int>(left));
        }
    }

    pid_t pid_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int damage_event_ = -1;
    bool ready_ = false;
    std::string failure_;
};

XServer& server()
{
    static XServer instance;
    return instance;
}

// A folder holding a hard link to the program (which finds res/ beside the path it was started
// by), the generated res/ linked in part by part, and private home and runtime folders. With
// `empty_catalogue` the thumbnail folder is empty.
class ProgramFolder {
public:
    explicit ProgramFolder(bool empty_catalogue)
    {
        QDir root(dir_.path());
        root.mkpath("res");
        for (const char* part : {"Tmp", "save", "home", "runtime"})
            root.mkdir(part);
        QFile::setPermissions(root.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QDir res(QStringLiteral(KOLORITON_RUN_DIR "/res"));
        for (const QString& part : res.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (empty_catalogue && part == QLatin1String("preview"))
                root.mkpath("res/preview");
            else
                QFile::link(res.filePath(part), root.filePath("res/" + part));
        }
        program_ = root.filePath("koloriton").toStdString();
        if (::link(KOLORITON_RUN_DIR "/koloriton", program_.c_str()) != 0)
            QFile::copy(QStringLiteral(KOLORITON_RUN_DIR "/koloriton"), QString::fromStdString(program_));
    }
    const std::string& program() const { return program_; }
    std::string path(const char* part) const { return QDir(dir_.path()).filePath(part).toStdString(); }

private:
    QTemporaryDir dir_;
    std::string program_;
};

// How the program is started: over the shipped or an empty catalogue, at a device pixel ratio
// (QT_SCALE_FACTOR).
struct StartUp {
    bool empty_catalogue = false;
    const char* scale = "1";
};

void start_up(benchmark::State& state, const StartUp& how)
{
    XServer& x = server();
    if (!x.ready()) {
        state.SkipWithError(x.failure().c_str());
        return;
    }
    const ProgramFolder folder(how.empty_catalogue);
    const auto variable = [](const char* name, const std::string& value) {
        return QByteArray(name).append('=').append(value.c_str()).toStdString();
    };
    const std::vector<std::string> environment = {variable("DISPLAY", x.display()),
                                                  "QT_QPA_PLATFORM=xcb",
                                                  variable("QT_SCALE_FACTOR", how.scale),
                                                  variable("HOME", folder.path("home")),
                                                  variable("XDG_RUNTIME_DIR", folder.path("runtime")),
                                                  variable("XDG_CONFIG_HOME", folder.path("home")),
                                                  "PATH=/usr/bin:/bin"};
    double processor = 0;
    for (auto _ : state) {
        const Clock::time_point started = Clock::now();
        const pid_t program = spawn({folder.program()}, environment);
        const bool painted = program > 0 && x.wait_for_painted_window(900, std::chrono::seconds(30));
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        processor += stop(program);
        if (!painted) {
            state.SkipWithError("the main window was not painted");
            return;
        }
        state.SetIterationTime(seconds);
    }
    // The program's own processor time up to its end, which the machine's load does not inflate.
    state.counters["program_cpu_ms"] =
        benchmark::Counter(processor * 1e3, benchmark::Counter::kAvgIterations);
}

void BM_StartUpShippedCatalogue(benchmark::State& state)
{
    start_up(state, {});
}
void BM_StartUpEmptyCatalogue(benchmark::State& state)
{
    start_up(state, {.empty_catalogue = true});
}
// Every picture read from its rendering at 2x.
void BM_StartUpAtRatio2(benchmark::State& state)
{
    start_up(state, {.scale = "2"});
}

void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}
BENCHMARK(BM_StartUpShippedCatalogue)->Apply(repeated);
BENCHMARK(BM_StartUpEmptyCatalogue)->Apply(repeated);
BENCHMARK(BM_StartUpAtRatio2)->Apply(repeated);

} // namespace

int main(int argc, char** argv)
{
    return run_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        const auto median = [](const char* name) {
            return std::string(name) + "/iterations:1/repeats:9/manual_time";
        };
        const auto line = [&](const char* what, const char* name) {
            TargetReporter::time_line(what, reporter.seconds(median(name)), 300,
                                      reporter.counter(median(name) + "/program_cpu_ms") / 1e3);
        };
        line("Xvfb: start-up to the painted window, shipped catalogue", "BM_StartUpShippedCatalogue");
        line("Xvfb: start-up to the painted window, empty catalogue", "BM_StartUpEmptyCatalogue");
        line("Xvfb: start-up to the painted window at ratio 2", "BM_StartUpAtRatio2");
        const double shipped = reporter.seconds(median("BM_StartUpShippedCatalogue"));
        const double empty = reporter.seconds(median("BM_StartUpEmptyCatalogue"));
        if (empty > 0)
            std::printf("%-58s %8.2f x    (for comparison)\n", "Xvfb: shipped catalogue / empty catalogue",
                        shipped / empty);
        const double dense = reporter.seconds(median("BM_StartUpAtRatio2"));
        if (shipped > 0)
            std::printf("%-58s %8.2f x    target < 1.5 x\n", "Xvfb: ratio 2 / ratio 1", dense / shipped);
    });
}
