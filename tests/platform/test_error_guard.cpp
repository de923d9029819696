#include "platform/error_guard.h"
#include "platform/errors.h"

#include "support/captured_errors.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace platform;
using testing_support::CapturedErrors;

class TestErrorGuard : public QObject {
    Q_OBJECT

private slots:
    void user_error_is_reported_with_its_text_and_ends_the_body()
    {
        const CapturedErrors errors;
        QStringList steps;
        guarded([&] {
            steps << "before";
            throw FileError("/tmp/x/tmp.bmp", "No such file or directory");
            steps << "after";
        });
        QCOMPARE(steps, QStringList{"before"});
        QCOMPARE(errors.messages(), QStringList{"/tmp/x/tmp.bmp: No such file or directory"});
    }

    void image_error_text_is_shown_as_it_stands()
    {
        const CapturedErrors errors;
        guarded([] { throw ImageError(bitmap_not_valid); });
        QCOMPARE(errors.messages(), QStringList{"Bitmap image is not valid"});
    }

    void other_exceptions_report_their_own_text()
    {
        const CapturedErrors errors;
        guarded([] { throw std::runtime_error("Printer selected is not valid"); });
        guarded([] { throw 42; });
        QCOMPARE(errors.messages().size(), 2);
        QCOMPARE(errors.messages()[0], QStringLiteral("Printer selected is not valid"));
        QVERIFY(!errors.messages()[1].isEmpty());
    }

    void a_body_that_succeeds_reports_nothing()
    {
        const CapturedErrors errors;
        int runs = 0;
        guarded([&] { ++runs; });
        QCOMPARE(runs, 1);
        QVERIFY(errors.messages().isEmpty());
    }

    void each_guarded_call_stands_alone()
    {
        const CapturedErrors errors;
        QStringList steps;
        for (int i = 0; i < 3; ++i)
            guarded([&] {
                if (i == 1)
                    throw ImageError("second");
                steps << QString::number(i);
            });
        QCOMPARE(steps, (QStringList{"0", "2"}));
        QCOMPARE(errors.messages(), QStringList{"second"});
    }

    void default_reporter_shows_a_critical_message_box_with_the_title()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("Колоритон"));
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        poll.start(10);
        bool after = false;
        guarded([&] {
            throw FileError("/home/a/save/save.bmp", "Permission denied");
            after = true;
        });
        QCOMPARE(caption, QStringLiteral("Колоритон"));
        QCOMPARE(text, QStringLiteral("/home/a/save/save.bmp: Permission denied"));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!after);
    }

    void reporter_can_be_reset_to_the_default()
    {
        QStringList seen;
        set_error_reporter([&](const QString& message) { seen << message; });
        guarded([] { throw ImageError("one"); });
        reset_error_reporter();
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        closer.start(10);
        guarded([] { throw ImageError("two"); });
        QCOMPARE(shown, QStringLiteral("two"));
        QCOMPARE(seen, QStringList{"one"});
    }
};

QTEST_MAIN(TestErrorGuard)
#include "test_error_guard.moc"
