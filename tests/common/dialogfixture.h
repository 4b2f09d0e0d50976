#pragma once

// A window on a store and settings of its own, and what a user does with it (web tests too).

#include "filesizelimit.h"
#include "storefixture.h"

#include "core/store/eventrulefile.h"

#include "ui/dialogs/birthdaydialog.h"
#include "ui/dialogs/importdialog.h"
#include "ui/dialogs/preferencesdialog.h"
#include "ui/dialogs/restoredialog.h"
#include "ui/dialogs/wellknowndaysdialog.h"
#include "ui/web/aboutdialog.h"
#include "ui/web/commentsform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every message box with OK while it lives, and keeps what each said.
struct MessageCatcher
{
    QStringList texts, titles;
    QList<QMessageBox::Icon> icons;
    QTimer timer;

    MessageCatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Marked on the box itself: a later box may be built at the same address.
            if (!box || !box->isVisible() || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            texts << box->text(), titles << box->windowTitle(), icons << box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(10);
    }
};

struct DialogFixture : StoreFixture
{
    MessageCatcher catcher;
    QStringList help; // the help keys the window gave, in order
    HelpSink helpSink()
    {
        return [this](const QString& key) { help << key; };
    }
    QStringList onlyRecord() { return names().size() == 1 ? values() : QStringList(); }
};

// The cases of a test that differ only by data, one struct each: QFETCH(Row, row).
template <typename Row> void rows(std::initializer_list<std::pair<const char*, Row>> list)
{
    QTest::addColumn<Row>("row");
    for (const auto& [tag, row] : list)
        QTest::newRow(tag) << row;
}

template <typename T = QWidget> T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Replaces the box's text as a user would: select all, delete, type.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Clicks a check or option box on its box, not far right of its text.
inline void boxClick(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Return in the focused control, the window activated again first as after a message box.
inline void returnPress(QWidget* window)
{
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// The named control that has (or will have again) the focus, a date picker for its line edit.
inline QString focusControl(const QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !window->isAncestorOf(focus))
        focus = window->focusWidget();
    for (QWidget* w = focus; w && w != window; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return {};
}

// What the test classes share: a fresh fixture for every test, and the window under test.
// A choice of a window, read from rows: where the window can be placed, what is stored, shown,
// picked and written.
struct Choice
{
    bool placeable;
    QString stored, shown, picked, written; // picked "": left as shown; written "-": none
};
// A write that fails: the room the data file has, the message and what was added anyway.
struct Failure
{
    qint64 room; // bytes the data file may grow to
    QString message;
    QStringList added;
};

class DialogTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<DialogFixture> f;
    std::unique_ptr<QDialog> dialog;

    // By a short name; the editor on the record under key, or a new "Ann". wait: for activation.
    QDialog* open(const QString& name, int key = -1, bool wait = true, bool windowPlaceable = true)
    {
        dialog.reset(); // the old one goes first: the comments form keeps its texts as it goes
        const auto mode = name == "add" ? BirthdayDialog::Mode::Add : BirthdayDialog::Mode::Edit;
        key = key >= 0 || name != "edit" ? key : f->add("Ann", QDate(1990, 5, 1));
        BirthdayRecord shown = f->fields.readRecord(key).value_or(BirthdayRecord());
        // As the list gives it: with its rule from beside the data file.
        if (const auto rules = EventRuleFile::load(EventRuleFile::pathFor(f->store.dataPath())))
            shown.rule = rules->ruleFor(shown);
        ImportEntry ben;
        ben.name = "Ben", ben.date = QDate(1984, 12, 9);
        if (name == "add" || name == "edit")
            dialog =
                std::make_unique<BirthdayDialog>(mode, shown, f->store, f->clock, f->helpSink());
        else if (name == "preferences")
            dialog = std::make_unique<PreferencesDialog>(f->settings, f->helpSink(), nullptr,
                                                         windowPlaceable);
        else if (name == "special")
            dialog = std::make_unique<WellKnownDaysDialog>(f->store, f->clock, f->helpSink());
        else if (name == "import")
            dialog = std::make_unique<ImportDialog>(ImportPlan::plan({ben}, {}, f->clock.today()),
                                                    QStringList{"/tmp/contacts.vcf", "b.ics"});
        else if (name == "restore")
            dialog = std::make_unique<RestoreDialog>(
                QList<Backups::Backup>{{"a", {2024, 3, 1}, 1, {}, 3}});
        else if (name == "about")
            dialog = std::make_unique<AboutDialog>();
        else
            dialog = std::make_unique<CommentsForm>(f->settings);
        dialog->show();
        if (wait && !QTest::qWaitForWindowActive(dialog.get()))
            qWarning("%s not active", qPrintable(name));
        return dialog.get();
    }
    template <typename T = QLineEdit> T* at(const char* id) { return control<T>(dialog.get(), id); }

    void okClick() { QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton); }

protected Q_SLOTS:
    void init() { f = std::make_unique<DialogFixture>(); }
    void cleanup() { dialog.reset(), f.reset(); }
};
