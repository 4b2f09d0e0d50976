// What reaches the server and how its reply is judged; the comments form's messages, enabling,
// kept texts and key filter; the about box. The request's text is tested in tests/core/web.

#include "dialogfixture.h"

#include "core/comments/commentsrequest.h"
#include "ui/web/shelllaunch.h"

#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

using namespace std::chrono_literals;

namespace {

const QString afterSend = "Marrowfell welcomes any comments and suggestions from its users.  "
                          "Please fill in the boxes below and click on send.";
const QString sent = "Your comments and suggestions have been sent to Marrowfell.  Thank you "
                     "very much for your input.";

struct Reply
{
    int status; // 0: no answer; -1: nobody listening; -2: the system offline
    QByteArray body;
    bool accepted;
};
struct Sending
{
    QString comments, suggestions;
    bool doNotDisplay;
    QByteArray query; // from DisplayOnSite's value on
    QString commentsAfter, suggestionsAfter;
};

} // namespace

class TestWebWindows : public DialogTest
{
    Q_OBJECT
    // A tiny HTTP server on 127.0.0.1: keeps the head of every request and answers with status
    // and body after delayMs, or never (status 0); for 299, the rest never comes.
    std::unique_ptr<QTcpServer> server;
    QList<QByteArray> heads;
    int status = 200;
    QByteArray body;
    int delayMs = 0;

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server->serverPort()); }
    void take(QTcpSocket* socket)
    {
        const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
        socket->setProperty("head", head);
        if (!head.contains("\r\n\r\n"))
            return;
        heads << head.left(head.indexOf("\r\n\r\n"));
        const QByteArray response =
            "HTTP/1.1 " + QByteArray::number(status) +
            " Status\r\nContent-Length: " + QByteArray::number(body.size() + (status == 299)) +
            "\r\nConnection: close\r\n\r\n" + body;
        QTimer::singleShot(delayMs, socket, [socket, response, this] {
            if (status != 0)
                socket->write(response);
            if (status != 0 && status != 299)
                socket->disconnectFromHost();
        });
    }

    CommentsForm* form(bool connected = true)
    {
        auto* form = static_cast<CommentsForm*>(open("comments"));
        form->setServerUrl(url());
        form->messageSender().setConnectedCheck([connected] { return connected; });
        return form;
    }
    QPlainTextEdit* box(const char* name) { return at<QPlainTextEdit>(name); }
    QString intro() { return at<QLabel>("lblIntroduction")->text(); }
    void clickSend() { QTest::mouseClick(at<QPushButton>("cmdSend"), Qt::LeftButton); }
    // Waits until the user has been told this many things; the last as given.
    void told(int count, QMessageBox::Icon icon, const QString& text,
              const QString& title = "Marrowfell Candlewatcher")
    {
        QTRY_COMPARE_WITH_TIMEOUT(f->catcher.texts.size(), count, 10000);
        QCOMPARE(f->catcher.texts.last(), text);
        QCOMPARE(f->catcher.titles.last(), title);
        QCOMPARE(f->catcher.icons.last(), icon);
    }
    QString enabled()
    {
        QString result;
        for (const char* name :
             {"txtComments", "txtSuggestions", "cmdSend", "cmdClose", "chkDoNotDisplay"})
            result += control(dialog.get(), name)->isEnabled() ? '1' : '0';
        return result;
    }

private Q_SLOTS:
    void init()
    {
        DialogTest::init();
        heads.clear(), status = 200, body = "OK", delayMs = 0;
        server = std::make_unique<QTcpServer>();
        server->listen(QHostAddress::LocalHost, 0);
        connect(server.get(), &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server->nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { take(socket); });
        });
    }

    // Accepted: 2xx and "ok", any case, in the reply's first 1000 bytes. Offline: told, not sent.
    void senderJudgesTheReply_data()
    {
        rows<Reply>({{"oK in a page", {200, "<html><body>oK, thanks</body></html>", true}},
                     {"no ok", {200, "refused", false}},
                     {"Ok ending at byte 1000", {200, QByteArray(998, '-') + "Ok", true}},
                     {"ok across byte 1000", {200, QByteArray(999, '-') + "ok", false}},
                     {"2 MB after ok", {200, "ok" + QByteArray(2'000'000, '-'), true}},
                     {"ok, the rest never comes", {299, "ok" + QByteArray(1200, '-'), true}},
                     {"not a 2xx", {300, "ok", false}},
                     {"no answer", {0, "ok", false}},
                     {"nobody listening", {-1, "ok", false}},
                     {"offline", {-2, "ok", false}}});
    }
    void senderJudgesTheReply()
    {
        QFETCH(Reply, row);
        status = row.status;
        body = row.body;
        const QUrl address(url() + "/comments.asp");
        if (row.status == -1)
            server->close();
        MessageSender sender;
        sender.setTimeout(1s);
        sender.setConnectedCheck([&row] { return row.status != -2; });
        QSignalSpy verdicts(&sender, &MessageSender::finished);
        QCOMPARE(sender.send(address), row.status != -2);
        QVERIFY(row.status == -2 || verdicts.wait(10000));
        QTest::qWait(100); // nothing more comes
        QCOMPARE(verdicts.size(), row.status == -2 ? 0 : 1);
        QCOMPARE(verdicts.value(0, {false}).at(0).toBool(), row.accepted);
        QVERIFY(!sender.isBusy());
        QCOMPARE(heads.size(), row.status < 0 ? 0 : 1);
        if (row.status == -2)
            told(1, QMessageBox::Warning,
                 "Marrowfell Candlewatcher was unable to connect to the "
                 "internet.  Please connect manually and then try again.");
        QCOMPARE(f->catcher.texts.size(), row.status == -2 ? 1 : 0);
    }

    // A GET as "Marrowfell", no cache headers, the bytes as built; one at a time, never cached.
    void senderRequest()
    {
        delayMs = 300;
        MessageSender sender;
        QCOMPARE(sender.timeout(), 30s);
        sender.setConnectedCheck([] { return true; });
        CommentsRequest request;
        request.comments = "Zoë's 100% +1 #tag & \"x\"?\nline two";
        request.suggestions = "日本";
        QSignalSpy verdicts(&sender, &MessageSender::finished);
        QVERIFY(sender.send(request.url(url())));
        QVERIFY(!sender.send(QUrl(url() + "/second")));
        QVERIFY(verdicts.wait(10000));
        QVERIFY(sender.send(request.url(url())));
        QVERIFY(verdicts.wait(10000));
        QCOMPARE(heads.size(), 2);
        for (const QByteArray& head : heads) {
            QCOMPARE(head.left(head.indexOf('\r')),
                     "GET " + request.encodedPathAndQuery() + " HTTP/1.1");
            QVERIFY(head.contains("\r\nUser-Agent: Marrowfell\r\n"));
            QVERIFY(!head.contains("Cache-Control") && !head.contains("Pragma"));
        }
    }

    // Both boxes empty: a warning, the caret in the comments box, nothing sent.
    void commentsNothingEntered()
    {
        form();
        box("txtSuggestions")->setFocus();
        QTest::keyClick(at<QPushButton>("cmdSend"), Qt::Key_Return);
        told(1, QMessageBox::Warning,
             "You have not entered any information.  Please enter either "
             "a comment or suggestion into the space provided.");
        QCOMPARE(dialog->focusWidget(), box("txtComments"));
        QTest::qWait(50);
        QCOMPARE(heads.size(), 0);
    }

    // Sent: the choice and the texts, substituted and shown so; meanwhile the form waits,
    // disabled but for the choice, and can't be closed.
    void commentsSent_data()
    {
        rows<Sending>(
            {{"blanks count", {"  ", "", false, "true&Comments='%20%20'&Suggestions=''", "  ", ""}},
             {"only suggestions, not displayed",
              {"", "R&D?", true, "false&Comments=''&Suggestions='RandD%C2%AC'", "", "RandD¬"}}});
    }
    void commentsSent()
    {
        QFETCH(Sending, row);
        delayMs = 300;
        form();
        box("txtComments")->setPlainText(row.comments);
        box("txtSuggestions")->setPlainText(row.suggestions);
        if (row.doNotDisplay)
            boxClick(at<QCheckBox>("chkDoNotDisplay"));
        clickSend();
        QCOMPARE(intro(), "Please wait while your information is being sent to the Marrowfell "
                          "website...");
        QCOMPARE(enabled(), QStringLiteral("00001"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        dialog->close();
        QVERIFY(dialog->isVisible());
        told(1, QMessageBox::Information, sent);
        QCOMPARE(intro(), afterSend);
        QCOMPARE(enabled(), QStringLiteral("11111"));
        const QByteArray line = heads.value(0).split('\r').value(0);
        QCOMPARE(line.mid(line.indexOf("DisplayOnSite=") + 14), row.query + " HTTP/1.1");
        QCOMPARE(box("txtComments")->toPlainText(), row.commentsAfter);
        QCOMPARE(box("txtSuggestions")->toPlainText(), row.suggestionsAfter);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // Typed quotes never reach the comments box; the rest, input method and paste pass.
    void commentsKeyFilter()
    {
        form();
        QTest::keyClicks(box("txtComments"), "Fred's \"cake\" & more?");
        QTest::keyClick(box("txtComments"), Qt::Key_Return);
        QInputMethodEvent compose;
        compose.setCommitString("Zoë's");
        QCoreApplication::sendEvent(box("txtComments"), &compose);
        QGuiApplication::clipboard()->setText(" \"y\"");
        box("txtComments")->paste();
        QTest::keyClicks(box("txtSuggestions"), "it's \"x\"");
        QCOMPARE(box("txtComments")->toPlainText(),
                 QStringLiteral("Freds cake & more?\nZoë's \"y\""));
        QCOMPARE(box("txtSuggestions")->toPlainText(), QStringLiteral("it's \"x\""));
    }

    // However the form goes, unsent texts are kept as typed for next time.
    void commentsKeptOnClosing_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Close", "Escape", "close box", "destroyed"})
            QTest::newRow(how) << QString(how);
    }
    void commentsKeptOnClosing()
    {
        QFETCH(QString, how);
        form();
        QTest::keyClicks(box("txtComments"), "unsent & kept");
        QTest::keyClicks(box("txtSuggestions"), "also?");
        if (how == "Close")
            QTest::mouseClick(at<QPushButton>("cmdClose"), Qt::LeftButton);
        else if (how == "Escape")
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else if (how == "close box")
            dialog->close();
        QCOMPARE(dialog->isVisible(), how == "destroyed");
        form();
        QCOMPARE(box("txtComments")->toPlainText(), QStringLiteral("unsent & kept"));
        QCOMPARE(box("txtSuggestions")->toPlainText(), QStringLiteral("also?"));
        QCOMPARE(heads.size(), 0);
    }

    // Not sent (offline: told by the sender first): told, the form open; shown again, afresh.
    void commentsNotSent_data() { boolRows("offline", "refused", "offline"); }
    void commentsNotSent()
    {
        QFETCH(bool, offline);
        status = 500;
        body = "ok";
        form(!offline);
        box("txtComments")->setPlainText("one & two");
        clickSend();
        told(offline ? 2 : 1, QMessageBox::Critical,
             "There was a problem sending your information to Marrowfell.  Please check you are "
             "connected to the internet correctly, and if the problem persists, try again later.");
        QVERIFY(dialog->isVisible());
        QCOMPARE(intro(), afterSend);
        QCOMPARE(enabled(), QStringLiteral("11111"));
        QCOMPARE(box("txtComments")->toPlainText(), QStringLiteral("one and two"));
        dialog->reject();
        QCOMPARE(f->settings.readSetting("Comments", ""), QStringLiteral("one and two"));
        f->settings.writeSetting("Comments", "changed meanwhile");
        dialog->show();
        QCOMPARE(intro(), afterSend + "  This service is completely anonymous.");
        QCOMPARE(box("txtComments")->toPlainText(), QStringLiteral("changed meanwhile"));
    }

    // The about box's OK is the default and the cancel button.
    void aboutClosingKeys()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(open("about"), key);
            QVERIFY2(!dialog->isVisible(), qPrintable(QKeySequence(key).toString()));
        }
    }

    // A link opens its address through the desktop; one the desktop can't open is told.
    void aboutLinks_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("target");
        QTest::newRow("website") << "lblWebsiteURL" << true << websiteUrl();
        QTest::newRow("mail") << "lblEMailURL" << true << "mailto:" + supportMail();
        QTest::newRow("mail, no mail program")
            << "lblEMailURL" << false << "mailto:" + supportMail();
    }
    void aboutLinks()
    {
        QFETCH(QString, label);
        QFETCH(bool, opens);
        QFETCH(QString, target);
        QStringList opened;
        static_cast<AboutDialog*>(open("about"))->setUrlOpener([&](const QString& address) {
            return opened << address, opens;
        });
        auto* link = at<QLabel>(label.toLatin1());
        QTest::mouseClick(link, Qt::LeftButton, {}, link->contentsRect().topLeft() + QPoint(4, 6));
        QCOMPARE(opened, QStringList{target});
        if (!opens)
            told(1, QMessageBox::Warning, "Candlewatcher could not open " + target + ".",
                 "Candlewatcher");
        QCOMPARE(f->catcher.texts.size(), opens ? 0 : 1);
        QVERIFY(dialog->isVisible());
    }

    // The first of kinfocenter, hardinfo, gnome-system-monitor on the PATH starts; or told.
    void aboutSystemInformation_data()
    {
        QTest::addColumn<QStringList>("present"); // the one started last
        QTest::newRow("all three")
            << QStringList{"gnome-system-monitor", "hardinfo", "kinfocenter"};
        QTest::newRow("two") << QStringList{"gnome-system-monitor", "hardinfo"};
        QTest::newRow("the monitor") << QStringList{"gnome-system-monitor"};
        QTest::newRow("none") << QStringList();
    }
    void aboutSystemInformation()
    {
        QFETCH(QStringList, present);
        // Only shell built-ins: the PATH holds nothing but this folder.
        for (const QString& name : present)
            QVERIFY(
                writeFile(f->dir.filePath(name),
                          "#!/bin/sh\necho \"${0##*/}\" > \"${0%/*}/started\"\n") &&
                QFile::setPermissions(f->dir.filePath(name), QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(f->dir.path()));
        QTest::mouseClick(control<QPushButton>(open("about"), "cmdSysInfo"), Qt::LeftButton);
        qputenv("PATH", path);
        QTRY_COMPARE(readFile(f->dir.filePath("started")).trimmed(),
                     present.value(present.size() - 1).toUtf8());
        if (present.isEmpty())
            told(1, QMessageBox::Warning,
                 "System Information is currently unavailable.  Please try again later.",
                 "Candlewatcher");
        QCOMPARE(f->catcher.texts.size(), present.isEmpty() ? 1 : 0);
        QVERIFY(dialog->isVisible());
    }
};

QTEST_MAIN(TestWebWindows)
#include "test_webwindows.moc"
