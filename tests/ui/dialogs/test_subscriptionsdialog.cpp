#include "accesskeys.h"
#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"
#include "fakesync.h"
#include "storefixture.h"
#include "ui/dialogs/subscriptionsdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

const QString server = "https://dav.test/";
const QString book = "https://dav.test/ab/family/";

struct Fixture : StoreFixture
{
    FakeServer remote;
    FakeSecrets secrets;
    SyncQueue queue{store, clock, remote.factory(), secrets};
    Publisher publisher{store, clock, remote.factory(), secrets,
                        [] { return CalendarExchange::ExportOptions{}; }};
    SubscriptionsDialog dialog{store, clock, remote.factory(), secrets, queue, publisher};

    Fixture()
    {
        remote.found = {{SyncSource::Kind::Calendar, "https://dav.test/cal/work/", "Work"},
                        {SyncSource::Kind::AddressBook, book, "Family"}};
        remote.content[book] = {{fakeCard("Ann", "1980-05-04")}, {}, true, "t1"};
    }
    void click(const char* name)
    {
        auto* b = dialog.findChild<QPushButton*>(name);
        QVERIFY2(b && b->isVisibleTo(&dialog) && b->isEnabled(), name);
        b->click();
    }
    QString status() const { return dialog.findChild<QLabel*>("lblStatus")->text(); }
    // The account page filled in as Ann, and Find clicked.
    void find(const QString& address = "dav.test/")
    {
        dialog.findChild<QLineEdit*>("txtAddress")->setText(address);
        dialog.findChild<QLineEdit*>("txtUserName")->setText("ann");
        dialog.findChild<QLineEdit*>("txtPassword")->setText("secret");
        click("cmdFind");
    }
    // Every question answered with answer; what each asked.
    std::shared_ptr<QStringList> answer(QMessageBox::StandardButton answer)
    {
        auto asked = std::make_shared<QStringList>();
        dialog.prompt().setHook(
            [asked, answer](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
                *asked << text;
                return answer;
            });
        return asked;
    }
    // Subscribed to the family address book with Ann's birthday, through the dialog.
    void addFamily()
    {
        find();
        QTRY_COMPARE(dialog.page(), SubscriptionsDialog::ChoosePage);
        dialog.found()->setCurrentRow(1);
        click("cmdPreview");
        QTRY_COMPARE(dialog.page(), SubscriptionsDialog::PreviewPage);
    }
};

} // namespace

class TestSubscriptionsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Address, choice, preview (what the steps write is SubscriptionSetup's, tested there): the
    // preview lists what comes, Subscribe lists the source and tells the events changed.
    void addShowsBeforeWriting()
    {
        const InLanguage in("en");
        Fixture f;
        // Ben is in the list already: linked, and shown as the list has him.
        f.add("Ben", QDate(1975, 3, 2));
        f.remote.content[book].changed << fakeCard("Ben", "1975-03-02");
        f.dialog.show();
        f.click("cmdAdd");
        f.addFamily();
        QCOMPARE(f.remote.calls,
                 QStringList({"discover " + server + " ann secret", "fetch " + book + " secret"}));
        QStringList rows;
        for (int i = 0; i < f.dialog.preview()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = f.dialog.preview()->topLevelItem(i);
            rows << row->text(0) + " | " + row->text(1) + " | " + row->text(2);
        }
        const auto shown = [](int y, int m, int d) {
            return QLocale().toString(QDate(y, m, d), QLocale::ShortFormat);
        };
        QCOMPARE(rows, QStringList(
                           {"Ann | " + shown(1980, 5, 4) + " | Added",
                            "Ben | " + shown(1975, 3, 2) + " | Linked to the event in your list"}));
        QCOMPARE(f.dialog.findChild<QLabel*>("lblPreviewCount")->text(),
                 "Subscribing adds 1 event. 1 event already in your list is linked to it.");

        QSignalSpy changed(&f.dialog, &SubscriptionsDialog::eventsChanged);
        f.click("cmdSubscribe");
        QCOMPARE(f.dialog.page(), SubscriptionsDialog::ListPage);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(f.dialog.sources()->topLevelItemCount(), 1);
        // Its name, when it was last synced and how that went (in full in the tip).
        const QTreeWidgetItem* row = f.dialog.sources()->topLevelItem(0);
        const QString result = "1 added, 0 updated, 0 removed";
        QCOMPARE(row->text(0) + " | " + row->text(1) + " | " + row->text(2) + " | " +
                     row->toolTip(2),
                 "Family | " + QLocale().toString(f.clock.now(), QLocale::ShortFormat) + " | " +
                     result + " | " + result);
        const QString id = row->data(0, Qt::UserRole).toString();
        QCOMPARE(f.secrets.kept.value(id), "secret");
    }

    // Each page in every shipped language: no access key twice, no text cut.
    void pagesFitInEveryLanguage_data() { languageRows(); }
    void pagesFitInEveryLanguage()
    {
        QFETCH(QString, language);
        const InLanguage in(language);
        Fixture f;
        f.dialog.show();
        QCOMPARE(languageFaults(&f.dialog, false), QStringList());
        f.click("cmdAdd");
        QCOMPARE(languageFaults(&f.dialog, false), QStringList());
        f.addFamily();
        QCOMPARE(languageFaults(&f.dialog, language != "en"), QStringList());
        // The choose page with its check box ticked, which names the button otherwise.
        f.click("cmdPreviewBack");
        f.dialog.found()->setCurrentRow(0);
        f.dialog.findChild<QCheckBox*>("chkPublish")->setChecked(true);
        QTRY_COMPARE(languageFaults(&f.dialog, false), QStringList());
    }

    // A failing step stays where it is and says why. Every step's failure, a preview refused
    // for a source subscribed already too, reaches the status line the same way.
    void failureShown()
    {
        Fixture f;
        f.remote.failure = "dav.test: 401 Unauthorized";
        f.dialog.show();
        f.click("cmdAdd");
        f.find("dav.test");
        QTRY_VERIFY2(f.status().startsWith(f.remote.failure), qPrintable(f.status()));
        QCOMPARE(f.dialog.page(), SubscriptionsDialog::AccountPage);
    }

    // A certificate that does not verify is shown, with its failure told, and refused unless
    // accepted; accepted, the steps go on (what it goes with is SubscriptionSetup's).
    void certificateAsked_data() { boolRows("accept", "refused", "accepted"); }
    void certificateAsked()
    {
        QFETCH(bool, accept);
        Fixture f;
        f.remote.certificate = {"PEM-1",
                                "dav.test",
                                "Home CA",
                                QDateTime({2026, 1, 1}, {}),
                                QDateTime({2027, 1, 1}, {}),
                                "AB:CD",
                                {"self-signed"}};
        const auto asked = f.answer(accept ? QMessageBox::Yes : QMessageBox::No);
        f.dialog.show();
        f.click("cmdAdd");
        if (!accept) {
            f.find();
            QTRY_VERIFY2(f.status().contains("certificate does not verify"),
                         qPrintable(f.status()));
            QCOMPARE(f.dialog.page(), SubscriptionsDialog::AccountPage);
        } else {
            f.addFamily();
        }
        // Asked once: the accepted certificate is not asked about again.
        QCOMPARE(asked->size(), 1);
        for (const char* shown : {"dav.test", "Home CA", "AB:CD", "self-signed"})
            QVERIFY2(asked->at(0).contains(shown), shown);
    }

    // Remove asks whether the events go too; Cancel keeps the subscription.
    void removeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("sources");
        QTest::addColumn<int>("events");
        QTest::newRow("remove events") << int(QMessageBox::Yes) << 0 << 0;
        QTest::newRow("keep events") << int(QMessageBox::No) << 0 << 1;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << 1 << 1;
    }
    void removeAsks()
    {
        QFETCH(int, answer);
        QFETCH(int, sources);
        QFETCH(int, events);
        Fixture f;
        f.dialog.show();
        f.click("cmdAdd");
        f.addFamily();
        f.click("cmdSubscribe");
        const auto asked = f.answer(QMessageBox::StandardButton(answer));
        f.click("cmdRemove");
        QCOMPARE(asked->size(), 1);
        QVERIFY2(asked->at(0).contains("\"Family\""), qPrintable(asked->at(0)));
        QCOMPARE(f.dialog.sources()->topLevelItemCount(), sources);
        QCOMPARE(f.store.readAllRecords()->size(), events);
        QCOMPARE(f.secrets.kept.size(), sources);
    }

    // Sync Now fetches the selected source again and takes what changed there.
    void syncNowTakesTheChange()
    {
        Fixture f;
        f.dialog.show();
        f.click("cmdAdd");
        f.addFamily();
        f.click("cmdSubscribe");
        QCOMPARE(f.store.readAllRecords()->size(), 1);
        f.remote.content[book] = {
            {fakeCard("Ann", "1980-05-04"), fakeCard("Bob", "1975-02-03")}, {}, true, "t2"};
        f.dialog.sources()->setCurrentItem(f.dialog.sources()->topLevelItem(0));
        f.click("cmdSyncNow");
        QTRY_COMPARE(f.store.readAllRecords()->size(), 2);
    }

    // A calendar chosen to publish to: a row of its own, published to at once; Remove asks
    // whether its events go from the calendar too.
    void publishRow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("published"); // the requests after the first publish
        QTest::addColumn<int>("rows");
        const QString publish = "publish https://dav.test/cal/work/ secret";
        QTest::newRow("delete the events") << int(QMessageBox::Yes) << QStringList{publish} << 0;
        QTest::newRow("leave them") << int(QMessageBox::No) << QStringList() << 0;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringList() << 1;
    }
    void publishRow()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, published);
        QFETCH(int, rows);
        Fixture f;
        QCOMPARE(f.add("Ann", "1980-05-04"), 0);
        f.dialog.show();
        f.click("cmdAdd");
        f.find();
        QTRY_COMPARE(f.dialog.page(), SubscriptionsDialog::ChoosePage);
        auto* publish = f.dialog.findChild<QCheckBox*>("chkPublish");
        f.dialog.found()->setCurrentRow(1); // an address book takes no events
        QVERIFY(!publish->isEnabled());
        f.dialog.found()->setCurrentRow(0);
        publish->setChecked(true);
        f.click("cmdPreview");
        QCOMPARE(f.dialog.page(), SubscriptionsDialog::ListPage);
        QTRY_VERIFY(f.dialog.sources()->topLevelItem(0)->text(2).startsWith("1 added"));
        const QTreeWidgetItem* row = f.dialog.sources()->topLevelItem(0);
        QCOMPARE(row->text(0) + " | " + row->toolTip(2), "Publishing to Work | " + row->text(2));

        f.remote.calls.clear();
        const auto asked = f.answer(QMessageBox::StandardButton(answer));
        f.click("cmdRemove");
        QTRY_COMPARE(f.dialog.sources()->topLevelItemCount(), rows);
        QCOMPARE(asked->size(), 1); // the question alone: no failure told
        QCOMPARE(f.remote.calls, published);
        QCOMPARE(f.secrets.kept.size(), rows);
    }
};

QTEST_MAIN(TestSubscriptionsDialog)
#include "test_subscriptionsdialog.moc"
