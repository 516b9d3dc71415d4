#pragma once

// Stand-ins for what lies outside the window in the tests: the desktop that
// opens addresses, and the user who answers a modal message box.

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace vorlenta::testing {

// Takes the desktop's place for web addresses while it lives, and records
// every address it is asked to open.
class AddressRecorder : public QObject {
    Q_OBJECT

public:
    AddressRecorder()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~AddressRecorder() override
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QStringList opened;

public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

// What the last answered message box showed.
struct SeenBox {
    int boxes = 0;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next modal message box with Enter, once the event loop runs it,
// and remembers what it showed.
inline void answer_next_message_box(QObject *context, SeenBox &seen)
{
    QTimer::singleShot(0, context, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        ++seen.boxes;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        QTest::keyClick(box, Qt::Key_Enter);
    });
}

} // namespace vorlenta::testing
