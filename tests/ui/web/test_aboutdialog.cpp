#include "messageboxcatcher.h"
#include "web/aboutdialog.h"
#include "web/shelllaunch.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Stands in for the desktop's browser and mail program.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestAboutDialog : public QObject
{
    Q_OBJECT
private slots:
    void captions();
    void closingKeys_data();
    void closingKeys();
    void okButtonCloses();
    void links_data();
    void links();
    void linkThatCannotOpen();
    void sysInfoUnavailable();
    void sysInfoStartsTool();
    void websiteOpenUsesTheDesktop();
    void fileLaunchRefusesNonAddresses();

private:
    template <typename T> static T* child(QWidget* dialog, const char* name)
    {
        T* widget = dialog->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("missing control %s", name);
        return widget;
    }
    // Clicks the link text at the start of a link label.
    static void linkClick(QLabel* label)
    {
        const QRect area = label->contentsRect();
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(area.left() + 4, area.center().y()));
    }
};

void TestAboutDialog::captions()
{
    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Candlewatcher v2.00"));
    auto* titleLabel = child<QLabel>(&dialog, "lblTitle");
    QCOMPARE(titleLabel->text(), QStringLiteral("Candlewatcher v2.00"));
    auto* description = child<QLabel>(&dialog, "lblDescription");
    QVERIFY(!description->text().isEmpty());
    QVERIFY(titleLabel->font().pointSizeF() > description->font().pointSizeF() * 1.5);
    QCOMPARE(child<QLabel>(&dialog, "lblMoreInfo")->text(),
             QStringLiteral("For more information on this or any of our freeware and shareware "
                            "products, please visit our website at:"));
    QCOMPARE(child<QLabel>(&dialog, "lblEMail")->text(),
             QStringLiteral("Or e-mail Marrowfell on:"));
    for (const char* name : {"lblWebsiteURL", "lblEMailURL"})
        QCOMPARE(child<QLabel>(&dialog, name)->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(child<QLabel>(&dialog, "lblWebsiteURL")->text().contains(websiteUrl()));
    QVERIFY(child<QLabel>(&dialog, "lblEMailURL")->text().contains(supportMail()));
    auto* ok = child<QPushButton>(&dialog, "cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(child<QPushButton>(&dialog, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

void TestAboutDialog::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAboutDialog::closingKeys()
{
    QFETCH(int, key);
    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key(key));
    QVERIFY(!dialog.isVisible());
}

void TestAboutDialog::okButtonCloses()
{
    AboutDialog dialog;
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestAboutDialog::links_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("website") << QByteArray("lblWebsiteURL")
                             << QStringLiteral(CANDLEWATCHER_WEBSITE_URL);
    QTest::newRow("mail") << QByteArray("lblEMailURL")
                          << QStringLiteral("mailto:") + QStringLiteral(CANDLEWATCHER_SUPPORT_MAIL);
}

void TestAboutDialog::links()
{
    QFETCH(QByteArray, label);
    QFETCH(QString, expected);
    MessageBoxCatcher catcher;
    AboutDialog dialog;
    QStringList opened;
    dialog.setUrlOpener([&opened](const QString& target) {
        opened.append(target);
        return true;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    linkClick(child<QLabel>(&dialog, label.constData()));
    QCOMPARE(opened, QStringList{expected});
    QVERIFY(dialog.isVisible());
    QTest::qWait(50);
    QCOMPARE(catcher.messages().size(), 0);
}

void TestAboutDialog::linkThatCannotOpen()
{
    MessageBoxCatcher catcher;
    AboutDialog dialog;
    dialog.setUrlOpener([](const QString&) { return false; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    linkClick(child<QLabel>(&dialog, "lblEMailURL"));
    QTRY_COMPARE(catcher.messages().size(), 1);
    QCOMPARE(catcher.messages().constFirst().title, QStringLiteral("Candlewatcher"));
    QCOMPARE(catcher.messages().constFirst().text,
             QStringLiteral("Candlewatcher could not open mailto:") + supportMail() +
                 QStringLiteral("."));
}

void TestAboutDialog::sysInfoUnavailable()
{
    QTemporaryDir empty;
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    MessageBoxCatcher catcher;
    AboutDialog dialog;
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", savedPath);
    QTRY_COMPARE(catcher.messages().size(), 1);
    const MessageBoxCatcher::Message& message = catcher.messages().constFirst();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.title, QStringLiteral("Candlewatcher"));
    QCOMPARE(message.text,
             QStringLiteral("System Information is currently unavailable.  Please try again "
                            "later."));
    QVERIFY(dialog.isVisible());
}

void TestAboutDialog::sysInfoStartsTool()
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    QFile tool(dir.filePath(QStringLiteral("gnome-system-monitor")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho started > '" + QFile::encodeName(marker) + "'\n");
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    MessageBoxCatcher catcher;
    AboutDialog dialog;
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", savedPath);
    QTRY_VERIFY(QFile::exists(marker));
    QTest::qWait(50);
    QCOMPARE(catcher.messages().size(), 0);
}

void TestAboutDialog::websiteOpenUsesTheDesktop()
{
    UrlRecorder recorder;
    const QString scheme = QUrl(websiteUrl()).scheme();
    QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    MessageBoxCatcher catcher;
    websiteOpen(nullptr);
    QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl(QStringLiteral(CANDLEWATCHER_WEBSITE_URL))});
    QCOMPARE(catcher.messages().size(), 0);
}

void TestAboutDialog::fileLaunchRefusesNonAddresses()
{
    QVERIFY(!fileLaunch(QString()));
    QVERIFY(!fileLaunch(QStringLiteral("   ")));
    QVERIFY(!fileLaunch(QStringLiteral("just words")));
}

QTEST_MAIN(TestAboutDialog)
#include "test_aboutdialog.moc"
