#pragma once

#include <QString>

#include <span>

// One entry of the interactive help: what the panel shows while the mouse is over a control
// that was registered with this key.
struct HelpTopic
{
    const char* key;
    const char* title;
    const char* text;

    // Title and text in the user's language; the fields above are the English sources.
    QString shownTitle() const;
    QString shownText() const;
};

namespace HelpTopics {

// The entry with exactly this key (letter case counts), or nullptr.
const HelpTopic* find(const QString& key);
// Every entry, in the order the help was written.
std::span<const HelpTopic> all();

} // namespace HelpTopics
