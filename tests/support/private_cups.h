#pragma once

#include <QMarginsF>
#include <QProcess>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A paper a test printer takes: its PPD name, size and unprintable edges, in points.
struct Paper {
    QString name;
    QSizeF size;
    QMarginsF hardware_margins;
};

// A CUPS scheduler of the test's own: configuration, spool, logs and a Unix socket in a temporary
// folder, started on construction and stopped on destruction. Its queues are PDF printers that pass
// each job's PDF through unchanged into a file. The machine's own printing system is never used.
class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Empty when the scheduler runs; otherwise what went wrong.
    QString failure() const { return failure_; }
    QString socket_path() const { return dir_.filePath(QStringLiteral("cups.sock")); }
    // Points this process's printing at this scheduler. Call it before the process's first use of
    // a printer: the CUPS library reads the server once.
    void serve_this_process() const;

    // Adds a PDF printer whose only paper is `paper`; false (with failure() set) when it cannot.
    bool add_pdf_printer(const QString& queue, const Paper& paper);
    bool make_default(const QString& queue);
    // Where the queue's printer writes the PDF of its latest job.
    QString output_path(const QString& queue) const;
    // Waits until no job is pending or printing and the queue's output exists.
    bool wait_for_output(const QString& queue, int timeout_ms = 60000);
    QString error_log() const;

private:
    bool write_file(const QString& relative, const QByteArray& bytes, bool executable = false);
    bool write_configuration();
    bool run_client(const QString& program, const QStringList& arguments, QString* output = nullptr);
    bool wait_until_running();

    QTemporaryDir dir_;
    QProcess scheduler_;
    QString failure_;
};

// Points this process's printing at a socket where no scheduler listens: no printers at all,
// whatever the machine has. Call it before the process's first use of a printer.
void print_to_no_server(const QTemporaryDir& dir);

} // namespace testing_support
