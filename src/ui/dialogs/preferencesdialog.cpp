#include "ui/dialogs/preferencesdialog.h"

#include "ui/dialogs/dialogbuttons.h"

#include "core/calendar/occurrence.h"
#include "core/settings/settingsstore.h"
#include "platform/startcaption.h"
#include "ui/dialogs/wholetabstop.h"
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
      m_settings(settings), m_windowPlaceable(windowPlaceable)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Candlewatcher Preferences"));
    createControls(help);
    loadSettings();
}

void PreferencesDialog::createControls(const HelpSink& help)
{
    QVBoxLayout* inner = nullptr;
    QGroupBox* confirmationGroup =
        createFrame(tr("Confirmation"), QStringLiteral("grpConfirmation"),
                    QStringLiteral("imgConfirmation"), QStyle::SP_MessageBoxQuestion, this, inner);
    m_confirmDeleteBox =
        new QCheckBox(tr("Confirm before &deleting a birthday"), confirmationGroup);
    m_confirmDeleteBox->setObjectName(QStringLiteral("chkConfirmDelete"));
    m_confirmQuitBox =
        new QCheckBox(tr("Confirm before &exiting Candlewatcher"), confirmationGroup);
    m_confirmQuitBox->setObjectName(QStringLiteral("chkConfirmQuit"));
    inner->addWidget(m_confirmDeleteBox);
    inner->addWidget(m_confirmQuitBox);
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
    inner->addWidget(notificationLabel);
    inner->addWidget(m_everyHourButton);
    inner->addWidget(m_everyDayButton);
    inner->addWidget(m_atStartOnlyButton);

    QGroupBox* alertsGroup =
        createFrame(tr("Alerts"), QStringLiteral("grpAlerts"), QStringLiteral("imgAlerts"),
                    QStyle::SP_MessageBoxWarning, this, inner);
    m_alertsLabel = new QLabel(tr("Show &alerts at the following time each day:"), alertsGroup);
    m_alertsLabel->setObjectName(QStringLiteral("lblAlerts"));
    m_timeEdit = new WholeTabStop<QTimeEdit>(alertsGroup);
    m_timeEdit->setObjectName(QStringLiteral("objTime"));
    // Set before the format: in a right-to-left window Qt reverses the sections, and Arabic
    // digits, which stay left to right, would then show 23:59 as 59:23.
    m_timeEdit->setLayoutDirection(Qt::LeftToRight);
    m_timeEdit->setDisplayFormat(QStringLiteral("HH:mm"));
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
    m_showAsBox = new QComboBox(remindersGroup);
    m_showAsBox->setObjectName(QStringLiteral("cboShowAs"));
    m_showAsBox->addItem(tr("the Candlewatcher window"),
                         ReminderDisplays::name(ReminderDisplay::Window));
    m_showAsBox->addItem(tr("desktop notifications"),
                         ReminderDisplays::name(ReminderDisplay::Notifications));
    showAsLabel->setBuddy(m_showAsBox);
    auto* leapDayLabel = new QLabel(tr("Leap-day events in other years:"), remindersGroup);
    leapDayLabel->setObjectName(QStringLiteral("lblLeapDay"));
    m_leapDayBox = new QComboBox(remindersGroup);
    m_leapDayBox->setObjectName(QStringLiteral("cboLeapDay"));
    m_leapDayBox->addItem(tr("28 February"), LeapDayRules::name(LeapDayRule::February28));
    m_leapDayBox->addItem(tr("1 March"), LeapDayRules::name(LeapDayRule::March1));
    leapDayLabel->setBuddy(m_leapDayBox);
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(8);
    choices->addWidget(showAsLabel, 0, 0);
    choices->addWidget(m_showAsBox, 0, 1);
    choices->addWidget(leapDayLabel, 1, 0);
    choices->addWidget(m_leapDayBox, 1, 1);
    choices->setColumnStretch(1, 1);
    inner->addLayout(choices);

    QGroupBox* subscriptionsGroup =
        createFrame(tr("Subscriptions"), QStringLiteral("grpSubscriptions"),
                    QStringLiteral("imgSubscriptions"), QStyle::SP_BrowserReload, this, inner);
    auto* syncHoursLabel = new QLabel(tr("S&ync subscriptions every (hours):"), subscriptionsGroup);
    syncHoursLabel->setObjectName(QStringLiteral("lblSyncHours"));
    m_syncHoursBox = new QSpinBox(subscriptionsGroup);
    m_syncHoursBox->setObjectName(QStringLiteral("spnSyncHours"));
    // Three weeks at most: a longer wait does not fit the timer.
    m_syncHoursBox->setRange(0, 21 * 24);
    //: Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.
    m_syncHoursBox->setSpecialValueText(tr("only at start"));
    syncHoursLabel->setBuddy(m_syncHoursBox);
    auto* syncRow = new QHBoxLayout;
    syncRow->addWidget(syncHoursLabel);
    syncRow->addSpacing(8);
    syncRow->addWidget(m_syncHoursBox);
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

    QWidget::setTabOrder(m_confirmDeleteBox, m_confirmQuitBox);
    QWidget::setTabOrder(m_confirmQuitBox, m_everyHourButton);
    QWidget::setTabOrder(m_everyHourButton, m_everyDayButton);
    QWidget::setTabOrder(m_everyDayButton, m_atStartOnlyButton);
    QWidget::setTabOrder(m_atStartOnlyButton, m_timeEdit);
    QWidget::setTabOrder(m_timeEdit, m_showAsBox);
    QWidget::setTabOrder(m_showAsBox, m_leapDayBox);
    QWidget::setTabOrder(m_leapDayBox, m_syncHoursBox);
    QWidget::setTabOrder(m_syncHoursBox, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_okButton);

    installHelpHook(m_confirmDeleteBox, QStringLiteral("confirmdelete"), help);
    installHelpHook(m_confirmQuitBox, QStringLiteral("confirmquit"), help);
    installHelpHook(m_everyHourButton, QStringLiteral("notifysettings"), help);
    installHelpHook(m_everyDayButton, QStringLiteral("notifysettings"), help);
    installHelpHook(m_atStartOnlyButton, QStringLiteral("notifysettings"), help);
    installHelpHook(m_timeEdit, QStringLiteral("alerttime"), help);
    installHelpHook(m_syncHoursBox, QStringLiteral("synchours"), help);
    installHelpHook(m_okButton, QStringLiteral("ok"), help);
    installHelpHook(m_cancelButton, QStringLiteral("cancel"), help);
}

void PreferencesDialog::loadSettings()
{
    // The boxes show what the questions will do; a time changed outside the program that
    // doesn't convert shows the default.
    m_confirmQuitBox->setChecked(m_settings.read(Setting::quitConfirm));
    m_confirmDeleteBox->setChecked(m_settings.read(Setting::deleteConfirm));

    const QString every = m_settings.read(Setting::notifyEvery);
    if (every == QLatin1String("Hour"))
        m_everyHourButton->setChecked(true);
    else if (every == QLatin1String("Day"))
        m_everyDayButton->setChecked(true);
    else if (every == QLatin1String("None"))
        m_atStartOnlyButton->setChecked(true);

    m_timeEdit->setTime(m_settings.read(Setting::alertTime));

    m_storedShowAs = m_settings.read(Setting::showRemindersAs);
    m_showAsBox->setCurrentIndex(m_showAsBox->findData(
        ReminderDisplays::name(ReminderDisplays::fromSetting(m_storedShowAs, m_windowPlaceable))));
    m_leapDayBox->setCurrentIndex(m_leapDayBox->findData(
        LeapDayRules::name(LeapDayRules::fromName(m_settings.read(Setting::leapDayEvents)))));
    m_syncHoursBox->setValue(m_settings.read(Setting::syncHours).value_or(0));
}

void PreferencesDialog::onOkClicked()
{
    m_settings.write(Setting::quitConfirm, m_confirmQuitBox->isChecked());
    m_settings.write(Setting::deleteConfirm, m_confirmDeleteBox->isChecked());
    QString every = QStringLiteral("None");
    if (m_everyHourButton->isChecked())
        every = QStringLiteral("Hour");
    else if (m_everyDayButton->isChecked())
        every = QStringLiteral("Day");
    m_settings.write(Setting::notifyEvery, every);
    m_settings.write(Setting::alertTime, m_timeEdit->time());
    // The automatic choice stays automatic (it follows the desktop) until the user picks
    // the other one.
    const QString showAs = m_showAsBox->currentData().toString();
    if (!m_storedShowAs.isEmpty() ||
        showAs != ReminderDisplays::name(ReminderDisplays::automatic(m_windowPlaceable)))
        m_settings.write(Setting::showRemindersAs, showAs);
    m_settings.write(Setting::leapDayEvents, m_leapDayBox->currentData().toString());
    m_settings.write(Setting::syncHours, m_syncHoursBox->value());
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
