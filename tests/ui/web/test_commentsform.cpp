#include "httptestserver.h"
#include "messageboxcatcher.h"
#include "settings/settingsstore.h"
#include "web/commentsform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString introduction =
    QStringLiteral("Marrowfell welcomes any comments and suggestions from its users.  Please fill "
                   "in the boxes below and click on send.  This service is completely anonymous.");
const QString introductionAfterSend =
    QStringLiteral("Marrowfell welcomes any comments and suggestions from its users.  Please fill "
                   "in the boxes below and click on send.");
const QString waiting =
    QStringLiteral("Please wait while your information is being sent to the Marrowfell website...");
const QString title = QStringLiteral("Marrowfell Candlewatcher");
const QString sentText = QStringLiteral("Your comments and suggestions have been sent to "
                                        "Marrowfell.  Thank you very much for your input.");
const QString failedText = QStringLiteral(
    "There was a problem sending your information to Marrowfell.  Please check you are connected "
    "to the internet correctly, and if the problem persists, try again later.");
const QByteArray requestHead("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                             "&DisplayOnSite=");

} // namespace

class TestCommentsForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captions();
    void bothBoxesEmpty();
    void sending_data();
    void sending();
    void keyFilter();
    void textsRestoredAfterReopening();
    void closingKeepsTypedTexts_data();
    void closingKeepsTypedTexts();
    void controlsDisabledWhileSending();
    void offlineShowsBothMessages();
    void failedSendKeepsFormOpen();
    void sameFormShownAgain();

private:
    std::unique_ptr<CommentsForm> formMake();
    template <typename T> static T* child(QWidget* form, const char* name)
    {
        T* widget = form->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("missing control %s", name);
        return widget;
    }
    static QPlainTextEdit* comments(QWidget* form)
    {
        return child<QPlainTextEdit>(form, "txtComments");
    }
    static QPlainTextEdit* suggestions(QWidget* form)
    {
        return child<QPlainTextEdit>(form, "txtSuggestions");
    }
    static QLabel* introLabel(QWidget* form) { return child<QLabel>(form, "lblIntroduction"); }
    static void sendClick(QWidget* form)
    {
        QTest::mouseClick(child<QPushButton>(form, "cmdSend"), Qt::LeftButton);
    }
    // Waits until the form has told the outcome of its request.
    bool messagesWait(int count);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<MessageBoxCatcher> m_catcher;
};

void TestCommentsForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("settings.ini")));
    m_server = std::make_unique<HttpTestServer>();
    QVERIFY(m_server->isListening());
    m_catcher = std::make_unique<MessageBoxCatcher>();
}

void TestCommentsForm::cleanup()
{
    m_catcher.reset();
    m_server.reset();
    m_settings.reset();
    m_dir.reset();
}

std::unique_ptr<CommentsForm> TestCommentsForm::formMake()
{
    auto form = std::make_unique<CommentsForm>(*m_settings);
    form->setServerUrl(m_server->baseUrl());
    form->messageSender().setConnectedCheck([] { return true; });
    form->show();
    return form;
}

bool TestCommentsForm::messagesWait(int count)
{
    QDeadlineTimer deadline(10000);
    while (m_catcher->messages().size() < count && !deadline.hasExpired())
        QTest::qWait(10);
    return m_catcher->messages().size() == count;
}

void TestCommentsForm::captions()
{
    auto form = formMake();
    QCOMPARE(form->windowTitle(), QStringLiteral("Comments and Suggestions"));
    QCOMPARE(child<QGroupBox>(form.get(), "grpIntroduction")->title(),
             QStringLiteral("Introduction"));
    QCOMPARE(child<QGroupBox>(form.get(), "grpComments")->title(), QStringLiteral("Comments"));
    QCOMPARE(child<QGroupBox>(form.get(), "grpSuggestions")->title(),
             QStringLiteral("Suggestions"));
    QCOMPARE(introLabel(form.get())->text(), introduction);
    auto* check = child<QCheckBox>(form.get(), "chkDoNotDisplay");
    QCOMPARE(check->text(), QStringLiteral("Do not display my input on the Marrowfell website"));
    QVERIFY(!check->isChecked());
    QCOMPARE(child<QPushButton>(form.get(), "cmdSend")->text(), QStringLiteral("&Send Now"));
    QCOMPARE(child<QPushButton>(form.get(), "cmdClose")->text(), QStringLiteral("Close"));
    QVERIFY(!child<QLabel>(form.get(), "imgIntroduction")->pixmap().isNull());
    QVERIFY(comments(form.get())->toPlainText().isEmpty());
    QVERIFY(suggestions(form.get())->toPlainText().isEmpty());
}

void TestCommentsForm::bothBoxesEmpty()
{
    auto form = formMake();
    suggestions(form.get())->setFocus();
    QTest::keyClick(child<QPushButton>(form.get(), "cmdSend"), Qt::Key_Return);
    QVERIFY(messagesWait(1));
    const MessageBoxCatcher::Message& message = m_catcher->messages().constFirst();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, QStringLiteral("You have not entered any information.  Please enter "
                                          "either a comment or suggestion into the space "
                                          "provided."));
    QCOMPARE(form->focusWidget(), comments(form.get()));
    QCOMPARE(introLabel(form.get())->text(), introduction);
    QVERIFY(form->isVisible());
    QTest::qWait(50);
    QCOMPARE(m_server->connectionCount(), 0);
}

void TestCommentsForm::sending_data()
{
    QTest::addColumn<QString>("commentsText");
    QTest::addColumn<QString>("suggestionsText");
    QTest::addColumn<bool>("doNotDisplay");
    QTest::addColumn<QByteArray>("query"); // after requestHead
    QTest::addColumn<QString>("commentsAfter");
    QTest::addColumn<QString>("suggestionsAfter");

    auto row = [](const char* name, const char* comments, const char* suggestions, bool ticked,
                  const char* query, const char* commentsAfter, const char* suggestionsAfter) {
        QTest::newRow(name) << comments << suggestions << ticked << QByteArray(query)
                            << commentsAfter << suggestionsAfter;
    };
    row("blanks count as text", "  ", "", false, "true&Comments='%20%20'&Suggestions=''", "  ", "");
    row("only suggestions", "", "More colours", false,
        "true&Comments=''&Suggestions='More%20colours'", "", "More colours");
    row("ampersand becomes and", "salt & pepper", "R&D", false,
        "true&Comments='salt%20and%20pepper'&Suggestions='RandD'", "salt and pepper", "RandD");
    row("do not display ticked", "x", "", true, "false&Comments='x'&Suggestions=''", "x", "");
}

void TestCommentsForm::sending()
{
    QFETCH(QString, commentsText);
    QFETCH(QString, suggestionsText);
    QFETCH(bool, doNotDisplay);
    QFETCH(QByteArray, query);
    QFETCH(QString, commentsAfter);
    QFETCH(QString, suggestionsAfter);

    auto form = formMake();
    comments(form.get())->setPlainText(commentsText);
    suggestions(form.get())->setPlainText(suggestionsText);
    if (doNotDisplay)
        QTest::mouseClick(child<QCheckBox>(form.get(), "chkDoNotDisplay"), Qt::LeftButton);
    sendClick(form.get());
    QVERIFY(messagesWait(1));
    const MessageBoxCatcher::Message& message = m_catcher->messages().constFirst();
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, sentText);
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().constFirst().requestLine,
             "GET " + requestHead + query + " HTTP/1.1");
    // The boxes show what was sent.
    QCOMPARE(comments(form.get())->toPlainText(), commentsAfter);
    QCOMPARE(suggestions(form.get())->toPlainText(), suggestionsAfter);
    // A successful send unloads the form.
    QTRY_VERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

void TestCommentsForm::keyFilter()
{
    m_server->setReply(200, "no thanks");
    auto form = formMake();
    QPlainTextEdit* box = comments(form.get());
    QTest::keyClicks(box, QStringLiteral("Ideas: 50% off & more? Fred's \"cake\""));
    QTest::keyClick(box, Qt::Key_Return);
    // Letters beyond ASCII come through the input method.
    QInputMethodEvent compose;
    compose.setCommitString(QStringLiteral("Zoë ¬ 日本"));
    QCoreApplication::sendEvent(box, &compose);
    QTest::keyClicks(suggestions(form.get()), QStringLiteral("it's \"x\""));
    QCOMPARE(suggestions(form.get())->toPlainText(), QStringLiteral("it's \"x\""));
    // Pasted text is not filtered.
    QGuiApplication::clipboard()->setText(QStringLiteral(" 'y'"));
    box->moveCursor(QTextCursor::End);
    box->paste();
    QCOMPARE(box->toPlainText(),
             QStringLiteral("Ideas: 50% off & more? Freds cake\nZoë ¬ 日本 'y'"));

    sendClick(form.get());
    QVERIFY(messagesWait(1));
    QCOMPARE(m_catcher->messages().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(m_catcher->messages().constFirst().text, failedText);
    // The boxes show what was sent: quotes as grave accents.
    QCOMPARE(box->toPlainText(),
             QStringLiteral("Ideas: 50% off and more¬ Freds cake\nZoë ¬ 日本 `y`"));
    QCOMPARE(suggestions(form.get())->toPlainText(), QStringLiteral("it`s ``x``"));
    const QByteArray target = m_server->requests().constFirst().target();
    QVERIFY(target.contains("&Suggestions='it%60s%20%60%60x%60%60'"));
    QCOMPARE(
        QString::fromUtf8(QByteArray::fromPercentEncoding(target)),
        QString::fromUtf8(requestHead) +
            QStringLiteral("true&Comments='Ideas: 50% off and more¬ Freds cake\nZoë ¬ 日本 `y`'"
                           "&Suggestions='it`s ``x``'"));
}

void TestCommentsForm::textsRestoredAfterReopening()
{
    {
        auto form = formMake();
        comments(form.get())->setPlainText(QStringLiteral("a&b \"c\""));
        suggestions(form.get())->setPlainText(QStringLiteral("why?\nbecause"));
        sendClick(form.get());
        QVERIFY(messagesWait(1));
        QCOMPARE(m_catcher->messages().constFirst().text, sentText);
        QTRY_VERIFY(!form->isVisible());
    }
    auto reopened = formMake();
    QCOMPARE(comments(reopened.get())->toPlainText(), QStringLiteral("aandb ``c``"));
    QCOMPARE(suggestions(reopened.get())->toPlainText(),
             QStringLiteral("why") + QChar(0x00AC) + QStringLiteral("\nbecause"));
    QCOMPARE(introLabel(reopened.get())->text(), introduction);
    QCOMPARE(m_settings->settingRead(QStringLiteral("Comments"), QStringLiteral("-")),
             QStringLiteral("aandb ``c``"));
}

void TestCommentsForm::closingKeepsTypedTexts_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Close button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
    QTest::newRow("destroyed unclosed") << 3;
    QTest::newRow("Return on Close") << 4;
}

void TestCommentsForm::closingKeepsTypedTexts()
{
    QFETCH(int, how);
    {
        auto form = formMake();
        QTest::keyClicks(comments(form.get()), QStringLiteral("unsent & kept"));
        QTest::keyClicks(suggestions(form.get()), QStringLiteral("also?"));
        if (how == 0)
            QTest::mouseClick(child<QPushButton>(form.get(), "cmdClose"), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(form.get(), Qt::Key_Escape);
        else if (how == 2)
            form->close();
        else if (how == 4)
            QTest::keyClick(child<QPushButton>(form.get(), "cmdClose"), Qt::Key_Return);
        QVERIFY(how == 3 || !form->isVisible());
    }
    auto reopened = formMake();
    // Unsent texts come back as typed, not substituted.
    QCOMPARE(comments(reopened.get())->toPlainText(), QStringLiteral("unsent & kept"));
    QCOMPARE(suggestions(reopened.get())->toPlainText(), QStringLiteral("also?"));
    QCOMPARE(m_server->connectionCount(), 0);
}

void TestCommentsForm::controlsDisabledWhileSending()
{
    m_server->setReply(200, "OK", 800);
    auto form = formMake();
    comments(form.get())->setPlainText(QStringLiteral("slow"));
    int ticks = 0;
    QTimer programTimer;
    connect(&programTimer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    programTimer.start(20);

    sendClick(form.get());
    QCOMPARE(introLabel(form.get())->text(), waiting);
    for (const char* name : {"txtComments", "txtSuggestions", "cmdSend", "cmdClose"})
        QVERIFY2(!child<QWidget>(form.get(), name)->isEnabled(), name);
    QVERIFY(child<QCheckBox>(form.get(), "chkDoNotDisplay")->isEnabled());
    QVERIFY(form->messageSender().isBusy());

    // The rest of the program keeps running meanwhile, and the form cannot be closed.
    QTRY_VERIFY(ticks >= 5);
    QVERIFY(form->messageSender().isBusy());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    form->close();
    QVERIFY(form->isVisible());
    QCOMPARE(m_catcher->messages().size(), 0);

    QVERIFY(messagesWait(1));
    QCOMPARE(m_catcher->messages().constFirst().text, sentText);
    QCOMPARE(introLabel(form.get())->text(), introductionAfterSend);
    for (const char* name : {"txtComments", "txtSuggestions", "cmdSend", "cmdClose"})
        QVERIFY2(child<QWidget>(form.get(), name)->isEnabled(), name);
    QCOMPARE(m_server->requests().size(), 1);
}

void TestCommentsForm::offlineShowsBothMessages()
{
    auto form = formMake();
    form->messageSender().setConnectedCheck([] { return false; });
    comments(form.get())->setPlainText(QStringLiteral("x"));
    sendClick(form.get());
    QVERIFY(messagesWait(2));
    const QList<MessageBoxCatcher::Message>& messages = m_catcher->messages();
    QCOMPARE(messages.at(0).icon, QMessageBox::Warning);
    QCOMPARE(messages.at(0).title, title);
    QCOMPARE(messages.at(0).text, QStringLiteral("Marrowfell Candlewatcher was unable to connect "
                                                 "to the internet.  Please connect manually and "
                                                 "then try again."));
    QCOMPARE(messages.at(1).icon, QMessageBox::Critical);
    QCOMPARE(messages.at(1).title, title);
    QCOMPARE(messages.at(1).text, failedText);
    QCOMPARE(m_server->connectionCount(), 0);
    QVERIFY(form->isVisible());
    QCOMPARE(introLabel(form.get())->text(), introductionAfterSend);
    QVERIFY(child<QPushButton>(form.get(), "cmdSend")->isEnabled());
}

void TestCommentsForm::failedSendKeepsFormOpen()
{
    m_server->setReply(500, "ok");
    auto form = formMake();
    comments(form.get())->setPlainText(QStringLiteral("one & two"));
    sendClick(form.get());
    QVERIFY(messagesWait(1));
    QCOMPARE(m_catcher->messages().at(0).icon, QMessageBox::Critical);
    QCOMPARE(m_catcher->messages().at(0).text, failedText);
    QVERIFY(form->isVisible());
    QCOMPARE(introLabel(form.get())->text(), introductionAfterSend);

    // Sending again sends the already substituted text unchanged.
    m_server->setReply(200, "OK");
    sendClick(form.get());
    QVERIFY(messagesWait(2));
    QCOMPARE(m_catcher->messages().at(1).text, sentText);
    QCOMPARE(m_server->requests().size(), 2);
    QCOMPARE(m_server->requests().at(0).target(), m_server->requests().at(1).target());
    QVERIFY(m_server->requests().at(1).target().contains("Comments='one%20and%20two'"));
}

void TestCommentsForm::sameFormShownAgain()
{
    m_server->setReply(200, "nope");
    auto form = formMake();
    comments(form.get())->setPlainText(QStringLiteral("first"));
    sendClick(form.get());
    QVERIFY(messagesWait(1));
    QCOMPARE(introLabel(form.get())->text(), introductionAfterSend);
    form->reject();
    QVERIFY(!form->isVisible());
    QCOMPARE(m_settings->settingRead(QStringLiteral("Comments"), QString()),
             QStringLiteral("first"));

    m_settings->settingWrite(QStringLiteral("Comments"), QStringLiteral("changed meanwhile"));
    form->show();
    QCOMPARE(introLabel(form.get())->text(), introduction);
    QCOMPARE(comments(form.get())->toPlainText(), QStringLiteral("changed meanwhile"));
}

QTEST_MAIN(TestCommentsForm)
#include "test_commentsform.moc"
