#pragma once

#include "core/settings/settingkeys.h"
#include "ui/help/helphook.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QTimeEdit;
class QWidget;
class SettingsStore;

// The preferences' controls, each bound to its settings key in one line: the binding makes the
// control (named, with its caption and its help key), load shows the stored value in it, save
// writes it back, every bound key on every save. The window only places the controls; the
// keyboard goes through them in the order they were bound.
class SettingBindings
{
public:
    SettingBindings(SettingsStore& settings, HelpSink help);

    // A check box, ticked exactly when the flag is on.
    QCheckBox* flag(const Setting::Key<Setting::Type::Flag>& key, const char* name,
                    const QString& caption, const char* helpKey, QWidget* parent);
    // A number within the key's range; a stored text that is no number shows the range's start.
    QSpinBox* whole(const Setting::Key<Setting::Type::Whole>& key, const char* name,
                    const char* helpKey, QWidget* parent);
    // A time of day in hours and minutes, read left to right in every language.
    QTimeEdit* time(const Setting::Key<Setting::Type::Time>& key, const char* name,
                    const char* helpKey, QWidget* parent);
    // A list of choices, each shown in words and stored as a name; a stored text that names
    // none of them shows the key's default.
    QComboBox* choice(const Setting::Key<Setting::Type::Text>& key, const char* name,
                      const QList<std::pair<QString, QString>>& shownAndStored, const char* helpKey,
                      QWidget* parent);
    // Buttons of one group made by the window, each standing for a stored word: exactly that
    // word checks it, any other leaves the group as it was; the checked one's word is written.
    void options(const Setting::Key<Setting::Type::Text>& key,
                 const QList<std::pair<QAbstractButton*, QString>>& buttonsAndStored,
                 const char* helpKey);
    // A control that reads and writes its key in a way of its own.
    void custom(QWidget* control, const char* helpKey, std::function<void()> load,
                std::function<void()> save);

    void load() const;
    void save() const;
    // The bound controls, in the order bound.
    const QList<QWidget*>& controls() const { return m_controls; }

private:
    struct Binding
    {
        std::function<void()> load;
        std::function<void()> save;
    };
    void add(const QList<QWidget*>& controls, const char* helpKey, Binding binding);

    SettingsStore& m_settings;
    HelpSink m_help;
    QList<Binding> m_bindings;
    QList<QWidget*> m_controls;
};
