#include "support/private_cups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <grp.h>
#include <unistd.h>

namespace testing_support {

namespace {

const QStringList admin_dirs{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")};

QString find_program(const QString& name)
{
    const QString on_path = QStandardPaths::findExecutable(name);
    return on_path.isEmpty() ? QStandardPaths::findExecutable(name, admin_dirs) : on_path;
}

void clear_printer_choice()
{
    // A user's choice of printer in the environment would override the server's default.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

// Who may add and change printers: root, and the group of the user running the test, who talks to
// the scheduler over its socket.
QString system_groups()
{
    const group* own = getgrgid(getgid());
    return own != nullptr && getgid() != 0 ? QStringLiteral("root ") + QString::fromLocal8Bit(own->gr_name)
                                           : QStringLiteral("root");
}

QString points(double value)
{
    return QString::number(value, 'f', 2);
}

// A PostScript printer description with one paper and a filter that passes PDF through.
QByteArray ppd_for(const Paper& paper, const QString& filter)
{
    const QMarginsF& m = paper.hardware_margins;
    const QString size = points(paper.size.width()) + ' ' + points(paper.size.height());
    const QString imageable = points(m.left()) + ' ' + points(m.bottom()) + ' ' +
                              points(paper.size.width() - m.right()) + ' ' +
                              points(paper.size.height() - m.top());
    const QString option_code = QStringLiteral("\"<</PageSize[%1]>>setpagedevice\"").arg(size);
    QString text = QStringLiteral(
        "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
        "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"TESTPDF.PPD\"\n"
        "*Manufacturer: \"Test\"\n*Product: \"(Test PDF)\"\n*ModelName: \"Test PDF\"\n"
        "*ShortNickName: \"Test PDF\"\n*NickName: \"Test PDF file printer\"\n"
        "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: True\n"
        "*DefaultColorSpace: RGB\n*FileSystem: False\n*Throughput: \"1\"\n"
        "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n");
    text += QStringLiteral("*cupsFilter2: \"application/pdf application/vnd.cups-pdf 0 %1\"\n").arg(filter);
    for (const char* option : {"PageSize", "PageRegion"}) {
        const QString key = QString::fromLatin1(option);
        text += QStringLiteral("*OpenUI *%1: PickOne\n*OrderDependency: 10 AnySetup *%1\n").arg(key);
        text +=
            QStringLiteral("*Default%1: %2\n*%1 %2: %3\n*CloseUI: *%1\n").arg(key, paper.name, option_code);
    }
    text +=
        QStringLiteral("*DefaultImageableArea: %1\n*ImageableArea %1: \"%2\"\n").arg(paper.name, imageable);
    text += QStringLiteral("*DefaultPaperDimension: %1\n*PaperDimension %1: \"%2\"\n").arg(paper.name, size);
    return text.toLatin1();
}

} // namespace

PrivateCups::PrivateCups()
{
    const QString cupsd = find_program(QStringLiteral("cupsd"));
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("cannot create a temporary folder");
        return;
    }
    if (cupsd.isEmpty()) {
        failure_ = QStringLiteral("cupsd is not installed");
        return;
    }
    // The scheduler runs filters as an unprivileged user, who must reach the folder.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    if (!write_configuration())
        return;
    scheduler_.setProcessChannelMode(QProcess::MergedChannels);
    scheduler_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), dir_.filePath("conf/cupsd.conf"),
                             QStringLiteral("-s"), dir_.filePath("conf/cups-files.conf")});
    if (!scheduler_.waitForStarted()) {
        failure_ = QStringLiteral("cannot start cupsd: ") + scheduler_.errorString();
        return;
    }
    wait_until_running();
}

PrivateCups::~PrivateCups()
{
    if (scheduler_.state() == QProcess::NotRunning)
        return;
    scheduler_.terminate();
    if (!scheduler_.waitForFinished(10000))
        scheduler_.kill();
    scheduler_.waitForFinished();
}

bool PrivateCups::write_file(const QString& relative, const QByteArray& bytes, bool executable)
{
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        failure_ = QStringLiteral("cannot write ") + path;
        return false;
    }
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                            QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

bool PrivateCups::write_configuration()
{
    for (const char* folder : {"spool", "cache", "state", "logs", "tmp", "out", "filter"})
        QDir(dir_.path()).mkpath(QString::fromLatin1(folder));
    const QString root = dir_.path();
    const QByteArray files = QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                            "CacheDir %1/cache\nStateDir %1/state\n"
                                            "AccessLog %1/logs/access_log\nErrorLog %1/logs/error_log\n"
                                            "PageLog %1/logs/page_log\nPrintcap %1/state/printcap\n"
                                            "FileDevice Yes\nSandboxing Relaxed\nSystemGroup %2\n")
                                 .arg(root, system_groups())
                                 .toUtf8();
    const QByteArray scheduler = QStringLiteral("Listen %1\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                                                "DefaultAuthType None\n")
                                     .arg(socket_path())
                                     .toUtf8();
    return write_file("conf/cups-files.conf", files) && write_file("conf/cupsd.conf", scheduler) &&
           write_file("filter/pass-pdf", "#!/bin/sh\nexec cat \"${6:--}\"\n", true);
}

bool PrivateCups::run_client(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), socket_path());
    client.setProcessEnvironment(environment);
    client.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = find_program(program);
    client.start(path.isEmpty() ? program : path, arguments);
    const bool ran = client.waitForFinished(30000) && client.exitStatus() == QProcess::NormalExit &&
                     client.exitCode() == 0;
    const QString text = QString::fromLocal8Bit(client.readAll());
    if (output != nullptr)
        *output = text;
    if (!ran)
        failure_ = program + ' ' + arguments.join(' ') + QStringLiteral(" failed: ") + text;
    return ran;
}

bool PrivateCups::wait_until_running()
{
    const QDeadlineTimer deadline(30000);
    QString status;
    while (!deadline.hasExpired()) {
        if (scheduler_.state() == QProcess::NotRunning) {
            failure_ = QStringLiteral("cupsd stopped: ") + QString::fromLocal8Bit(scheduler_.readAll()) +
                       error_log();
            return false;
        }
        if (QFileInfo::exists(socket_path()) && run_client(QStringLiteral("lpstat"), {"-r"}, &status) &&
            status.contains(QStringLiteral("is running"))) {
            failure_.clear();
            return true;
        }
        QThread::msleep(100);
    }
    failure_ = QStringLiteral("cupsd did not answer: ") + error_log();
    return false;
}

void PrivateCups::serve_this_process() const
{
    clear_printer_choice();
    qputenv("CUPS_SERVER", socket_path().toLocal8Bit());
}

bool PrivateCups::add_pdf_printer(const QString& queue, const Paper& paper)
{
    const QString ppd = QStringLiteral("ppd/%1.ppd").arg(queue);
    return write_file(ppd, ppd_for(paper, dir_.filePath("filter/pass-pdf"))) &&
           run_client(QStringLiteral("lpadmin"),
                      {"-p", queue, "-E", "-v", QStringLiteral("file://") + output_path(queue), "-P",
                       dir_.filePath(ppd)});
}

bool PrivateCups::make_default(const QString& queue)
{
    return run_client(QStringLiteral("lpadmin"), {"-d", queue});
}

QString PrivateCups::output_path(const QString& queue) const
{
    return dir_.filePath(QStringLiteral("out/%1.pdf").arg(queue));
}

bool PrivateCups::wait_for_output(const QString& queue, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    QString pending;
    while (!deadline.hasExpired()) {
        if (run_client(QStringLiteral("lpstat"), {"-o"}, &pending) && pending.trimmed().isEmpty() &&
            QFileInfo(output_path(queue)).size() > 0)
            return true;
        QThread::msleep(100);
    }
    failure_ = QStringLiteral("no output from ") + queue + QStringLiteral(" (pending: ") + pending + ')';
    return false;
}

QString PrivateCups::error_log() const
{
    QFile log(dir_.filePath("logs/error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(4000)) : QString();
}

void print_to_no_server(const QTemporaryDir& dir)
{
    clear_printer_choice();
    qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-cups.sock")).toLocal8Bit());
}

} // namespace testing_support
