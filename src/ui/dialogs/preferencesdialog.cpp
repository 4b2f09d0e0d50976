#include "ui/dialogs/preferencesdialog.h"

#include "ui/dialogs/dialogbuttons.h"

#include "core/calendar/occurrence.h"
#include "core/settings/settingsstore.h"
#include "platform/startcaption.h"
#include "ui/presentation/reminderdisplay.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// A frame with its 32 x 32 icon at the top left and its controls indented beside it.
QGroupBox* createFrame(const QString& title, const QString& objectName, const QString& iconName,
                       QStyle::StandardPixmap icon, QWidget* parent, QVBoxLayout*& inner)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(objectName);
    auto* image = new QLabel(frame);
    image->setObjectName(iconName);
    image->setPixmap(frame->style()->standardIcon(icon, nullptr, frame).pixmap(32, 32));
    image->setFixedSize(32, 32);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(image, 0, Qt::AlignTop);
    row->addSpacing(8);
    inner = new QVBoxLayout;
    inner->setSpacing(4);
    row->addLayout(inner, 1);
    return frame;
}

} // namespace

PreferencesDialog::PreferencesDialog(SettingsStore& settings, const HelpSink& help, QWidget* parent,
                                     bool windowPlaceable)
    // A fixed border with a title bar: no maximise or minimise button.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings), m_windowPlaceable(windowPlaceable), m_bindings(settings, help)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Candlewatcher Preferences"));
    createControls(help);
    // The controls show what the settings do: a box ticked only for "1", an unreadable time as
    // the default.
    m_bindings.load();
}

void PreferencesDialog::createControls(const HelpSink& help)
{
    // Each preference is bound to its control in one line below; the bindings read and write
    // them all, and the keyboard goes through them in that order.
    QVBoxLayout* inner = nullptr;
    QGroupBox* confirmationGroup =
        createFrame(tr("Confirmation"), QStringLiteral("grpConfirmation"),
                    QStringLiteral("imgConfirmation"), QStyle::SP_MessageBoxQuestion, this, inner);
    inner->addWidget(m_bindings.flag(Setting::deleteConfirm, "chkConfirmDelete",
                                     tr("Confirm before &deleting a birthday"), "confirmdelete",
                                     confirmationGroup));
    inner->addWidget(m_bindings.flag(Setting::quitConfirm, "chkConfirmQuit",
                                     tr("Confirm before &exiting Candlewatcher"), "confirmquit",
                                     confirmationGroup));
    inner->addStretch(1);

    QGroupBox* notificationGroup = createFrame(
        tr("Notification"), QStringLiteral("grpNotification"), QStringLiteral("imgNotification"),
        QStyle::SP_MessageBoxInformation, this, inner);
    auto* notificationLabel = new QLabel(tr("Show the Notification window:"), notificationGroup);
    notificationLabel->setObjectName(QStringLiteral("lblNotification"));
    m_everyHourButton = new QRadioButton(tr("Every &hour"), notificationGroup);
    m_everyHourButton->setObjectName(QStringLiteral("optEveryHour"));
    m_everyDayButton = new QRadioButton(tr("E&very day"), notificationGroup);
    m_everyDayButton->setObjectName(QStringLiteral("optEveryDay"));
    m_atStartOnlyButton = new QRadioButton(atStartOnlyCaption(), notificationGroup);
    m_atStartOnlyButton->setObjectName(QStringLiteral("optNone"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_everyHourButton);
    group->addButton(m_everyDayButton);
    group->addButton(m_atStartOnlyButton);
    m_everyHourButton->setChecked(true); // one of the three is always on
    m_bindings.options(Setting::notifyEvery,
                       {{m_everyHourButton, QStringLiteral("Hour")},
                        {m_everyDayButton, QStringLiteral("Day")},
                        {m_atStartOnlyButton, QStringLiteral("None")}},
                       "notifysettings");
    inner->addWidget(notificationLabel);
    inner->addWidget(m_everyHourButton);
    inner->addWidget(m_everyDayButton);
    inner->addWidget(m_atStartOnlyButton);

    QGroupBox* alertsGroup =
        //: Frame title: the alert windows that open on an event's day (a noun, not a verb).
        createFrame(tr("Alerts"), QStringLiteral("grpAlerts"), QStringLiteral("imgAlerts"),
                    QStyle::SP_MessageBoxWarning, this, inner);
    m_alertsLabel = new QLabel(tr("Show &alerts at the following time each day:"), alertsGroup);
    m_alertsLabel->setObjectName(QStringLiteral("lblAlerts"));
    m_timeEdit = m_bindings.time(Setting::alertTime, "objTime", "alerttime", alertsGroup);
    m_alertsLabel->setBuddy(m_timeEdit);
    m_alertsLabel->installEventFilter(this);
    auto* clockLabel = new QLabel(tr("(24 hour clock)"), alertsGroup);
    clockLabel->setObjectName(QStringLiteral("Label1"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_timeEdit);
    timeRow->addSpacing(8);
    timeRow->addWidget(clockLabel, 1);
    inner->addWidget(m_alertsLabel);
    inner->addLayout(timeRow);

    // How reminders reach the user, and where 29 February falls in other years. The items
    // carry the stored names.
    QGroupBox* remindersGroup =
        createFrame(tr("Reminders"), QStringLiteral("grpReminders"), QStringLiteral("imgReminders"),
                    QStyle::SP_ComputerIcon, this, inner);
    auto* showAsLabel = new QLabel(tr("Show reminders as:"), remindersGroup);
    showAsLabel->setObjectName(QStringLiteral("lblShowAs"));
    auto* showAsBox = new QComboBox(remindersGroup);
    showAsBox->setObjectName(QStringLiteral("cboShowAs"));
    showAsBox->addItem(tr("the Candlewatcher window"),
                       ReminderDisplays::name(ReminderDisplay::Window));
    showAsBox->addItem(tr("desktop notifications"),
                       ReminderDisplays::name(ReminderDisplay::Notifications));
    // The automatic choice stays automatic (it follows the desktop) until the user picks the
    // other one.
    m_bindings.custom(
        showAsBox, nullptr,
        [this, showAsBox] {
            m_storedShowAs = m_settings.read(Setting::showRemindersAs);
            showAsBox->setCurrentIndex(showAsBox->findData(ReminderDisplays::name(
                ReminderDisplays::fromSetting(m_storedShowAs, m_windowPlaceable))));
        },
        [this, showAsBox] {
            const QString showAs = showAsBox->currentData().toString();
            if (!m_storedShowAs.isEmpty() ||
                showAs != ReminderDisplays::name(ReminderDisplays::automatic(m_windowPlaceable)))
                m_settings.write(Setting::showRemindersAs, showAs);
        });
    showAsLabel->setBuddy(showAsBox);
    auto* leapDayLabel = new QLabel(tr("Leap-day events in other years:"), remindersGroup);
    leapDayLabel->setObjectName(QStringLiteral("lblLeapDay"));
    QComboBox* leapDayBox =
        m_bindings.choice(Setting::leapDayEvents, "cboLeapDay",
                          {{tr("28 February"), LeapDayRules::name(LeapDayRule::February28)},
                           {tr("1 March"), LeapDayRules::name(LeapDayRule::March1)}},
                          nullptr, remindersGroup);
    leapDayLabel->setBuddy(leapDayBox);
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(8);
    choices->addWidget(showAsLabel, 0, 0);
    choices->addWidget(showAsBox, 0, 1);
    choices->addWidget(leapDayLabel, 1, 0);
    choices->addWidget(leapDayBox, 1, 1);
    choices->setColumnStretch(1, 1);
    inner->addLayout(choices);

    QGroupBox* subscriptionsGroup =
        createFrame(tr("Subscriptions"), QStringLiteral("grpSubscriptions"),
                    QStringLiteral("imgSubscriptions"), QStyle::SP_BrowserReload, this, inner);
    auto* syncHoursLabel = new QLabel(tr("S&ync subscriptions every (hours):"), subscriptionsGroup);
    syncHoursLabel->setObjectName(QStringLiteral("lblSyncHours"));
    QSpinBox* syncHoursBox =
        m_bindings.whole(Setting::syncHours, "spnSyncHours", "synchours", subscriptionsGroup);
    //: Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.
    syncHoursBox->setSpecialValueText(tr("only at start"));
    syncHoursLabel->setBuddy(syncHoursBox);
    auto* syncRow = new QHBoxLayout;
    syncRow->addWidget(syncHoursLabel);
    syncRow->addSpacing(8);
    syncRow->addWidget(syncHoursBox);
    syncRow->addStretch(1);
    inner->addLayout(syncRow);

    // OK and Cancel wider than their captions need: easier to hit.
    const DialogButtons buttonPair = createDialogButtons(this, 89);
    m_okButton = buttonPair.ok;
    m_cancelButton = buttonPair.cancel;
    connect(m_okButton, &QPushButton::clicked, this, &PreferencesDialog::onOkClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(confirmationGroup);
    layout->addWidget(notificationGroup);
    layout->addWidget(alertsGroup);
    layout->addWidget(remindersGroup);
    layout->addWidget(subscriptionsGroup);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget*> order = m_bindings.controls();
    order << m_cancelButton << m_okButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    installHelpHook(m_okButton, QStringLiteral("ok"), help);
    installHelpHook(m_cancelButton, QStringLiteral("cancel"), help);
}

void PreferencesDialog::onOkClicked()
{
    // Every value, changed or not.
    m_bindings.save();
    accept();
}

bool PreferencesDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the label puts the caret into the time picker, as its shortcut does.
    if (watched == m_alertsLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        m_timeEdit->setFocus(Qt::ShortcutFocusReason); // hours selected, ready to type
    return QDialog::eventFilter(watched, event);
}
