#include "ui/app/windowlayout.h"

#include "core/settings/settingsstore.h"
#include "core/text/textconv.h"
#include "ui/app/mainactions.h"
#include "ui/list/birthdaylistview.h"
#include "ui/presentation/listviewmode.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace {

// The program's only twips: the stored layout keeps them so that settings written long ago
// still place the window. Pixels are whole, so a stored value comes back to the nearest one.
constexpr int twipsPerPixel = 15;

int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

int toPixels(int twips)
{
    return qRound(double(twips) / twipsPerPixel);
}

} // namespace

WindowLayout::WindowLayout(SettingsStore& settings, QMainWindow* window, const MainActions& actions)
    : m_settings(settings), m_window(window), m_actions(actions)
{
    m_window->installEventFilter(this);
}

int WindowLayout::readWhole(const QString& name, int current, int min, int max) const
{
    const QString text = m_settings.readSetting(name, QString::number(current));
    const std::optional<int> value = TextConv::textToWhole(text, -32768, 32767);
    if (!value || *value < min || *value > max)
        return current;
    return *value;
}

int WindowLayout::readTwips(const QString& name, int currentPixels, int min)
{
    const int twips = readWhole(name, toTwips(currentPixels), min);
    m_loadedTwips.insert(name, twips);
    return toPixels(twips);
}

std::optional<int> WindowLayout::storedTwips(const Setting::Key<Setting::Type::Whole>& key, int min)
{
    const std::optional<int> twips = m_settings.read(key);
    if (!twips || *twips < min)
        return std::nullopt;
    m_loadedTwips.insert(QLatin1String(key.name), *twips);
    return toPixels(*twips);
}

void WindowLayout::writeTwips(const QString& name, int pixels)
{
    const auto loaded = m_loadedTwips.constFind(name);
    const int twips =
        loaded != m_loadedTwips.cend() && toPixels(*loaded) == pixels ? *loaded : toTwips(pixels);
    m_settings.writeSetting(name, QString::number(twips));
}

void WindowLayout::columnsLoad()
{
    QHeaderView* header = m_c.list->header();
    const int count = header->count();
    for (int n = 1; n <= count; ++n) {
        const int logical = n - 1;
        // A width stored in another language may be too narrow for this one's texts.
        header->resizeSection(logical, std::max(readTwips(Setting::columnWidth.name(n),
                                                          header->sectionSize(logical), 0),
                                                m_c.list->readableWidth(logical)));
        const int position =
            readWhole(Setting::columnPos.name(n), header->visualIndex(logical) + 1, 1, count);
        header->moveSection(header->visualIndex(logical), position - 1);
    }
}

void WindowLayout::layoutLoad()
{
    const MainActions& a = m_actions;
    a.statusBarAction->setChecked(m_settings.read(Setting::statusBar));
    a.toolbarAction->setChecked(m_settings.read(Setting::toolBar));

    const QList<QAction*> viewItems = a.viewModeActions();
    for (QAction* viewItem : viewItems)
        viewItem->setChecked(false);
    const std::optional<ListViewMode> mode =
        ListViewModes::fromName(m_settings.read(Setting::iconView));
    if (mode)
        viewItems.at(int(*mode))->setChecked(true);

    const QList<QAction*> arrangeItems = a.arrangeActions();
    for (QAction* arrangeItem : arrangeItems)
        arrangeItem->setChecked(false);
    // A new user starts with what is coming up; a stored arrangement is honoured.
    const QString arrangeName = m_settings.read(Setting::arrangeIcons);
    const std::optional<ListArrange> arrange =
        arrangeName.isEmpty() ? ListArrange::NextDate : ListViewModes::arrangeFromName(arrangeName);
    if (arrange)
        arrangeItems.at(int(*arrange))->setChecked(true);

    placementLoad();

    a.interactiveHelpAction->setChecked(m_settings.read(Setting::interactiveHelp));
    if (m_c.list)
        controlsLoad();
}

void WindowLayout::controlsBuilt(const Controls& controls, int menuBarHeight)
{
    m_c = controls;
    if (!m_sizeStored) {
        const QSize menuBar(0, menuBarHeight);
        m_window->resize(m_window->size() + menuBar);
        if (!m_outerSize.isEmpty())
            m_outerSize += menuBar;
    }
    controlsLoad();
}

void WindowLayout::controlsLoad()
{
    const MainActions& a = m_actions;
    columnsLoad();
    m_c.statusBar->setVisible(a.statusBarAction->isChecked());
    m_c.toolbar->setVisible(a.toolbarAction->isChecked());
    const QList<QAction*> viewItems = a.viewModeActions();
    for (int i = 0; i < viewItems.size(); ++i) {
        if (viewItems.at(i)->isChecked())
            m_c.list->setViewMode(ListViewMode(i));
    }
    const QList<QAction*> arrangeItems = a.arrangeActions();
    for (int i = 0; i < arrangeItems.size(); ++i) {
        if (arrangeItems.at(i)->isChecked())
            m_c.list->setArrange(ListArrange(i));
    }
    m_c.helpPanel->setVisible(a.interactiveHelpAction->isChecked());
}

void WindowLayout::placementLoad()
{
    QMainWindow* window = m_window;
    // A state that makes no sense shows the window normal.
    const std::optional<int> stored = m_settings.read(Setting::windowState);
    const int state = stored && *stored >= 0 && *stored <= 2 ? *stored : 0;

    // A hidden window that was never shown has no frame yet: its outer frame is itself.
    const QRect current = window->frameGeometry();
    const std::optional<int> left = storedTwips(Setting::windowLeft);
    const std::optional<int> top = storedTwips(Setting::windowTop);
    const std::optional<int> width = storedTwips(Setting::windowWidth, 1);
    const std::optional<int> height = storedTwips(Setting::windowHeight, 1);
    QRect frame(left.value_or(current.x()), top.value_or(current.y()),
                width.value_or(current.width()), height.value_or(current.height()));
    if (left || top) {
        frame = placementFitted(frame);
        window->move(frame.topLeft());
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        frame.setSize(frame.size().boundedTo(primary->availableGeometry().size()));
    }
    m_sizeStored = width || height;
    if (left || top || width || height) {
        m_outerSize = frame.size();
        window->resize(m_outerSize);
    }

    // The state last, so the placement above becomes the bounds the window restores to.
    static const Qt::WindowStates states[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                              Qt::WindowMaximized};
    window->setWindowState(states[state]);
}

QRect WindowLayout::placementFitted(const QRect& frame)
{
    const QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry() & frame;
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    // A monitor that held the window may be gone.
    const QScreen* screen = best ? best : QGuiApplication::primaryScreen();
    if (!screen)
        return frame;
    const QRect room = screen->availableGeometry();
    QRect fitted(frame.topLeft(), frame.size().boundedTo(room.size()));
    if (!best)
        fitted.moveCenter(room.center());
    fitted.moveLeft(qBound(room.left(), fitted.left(), room.right() + 1 - fitted.width()));
    fitted.moveTop(qBound(room.top(), fitted.top(), room.bottom() + 1 - fitted.height()));
    return fitted;
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event)
{
    QMainWindow* window = m_window;
    const QEvent::Type type = event->type();
    if (watched != window || !window->isVisible() ||
        (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
        return false;
    // A maximised or minimised window keeps the restored size as the one it comes back to.
    if (window->windowState() != Qt::WindowNoState)
        return false;
    // Once hidden, the window forgets its frame on some window managers: remember it now.
    m_lastFrame = window->frameGeometry();
    const QRect inside = window->geometry();
    if (m_outerSize.isEmpty() || m_lastFrame.size() == inside.size())
        return false; // nothing waiting, or no frame (yet)
    const QSize wanted = m_outerSize - (m_lastFrame.size() - inside.size());
    m_outerSize = QSize();
    if (wanted != inside.size())
        window->resize(wanted);
    return false;
}

void WindowLayout::layoutSave()
{
    const MainActions& a = m_actions;
    QHeaderView* header = m_c.list ? m_c.list->header() : nullptr;
    for (int n = 1; header && n <= header->count(); ++n) {
        writeTwips(Setting::columnWidth.name(n), header->sectionSize(n - 1));
        m_settings.writeSetting(Setting::columnPos.name(n),
                                QString::number(header->visualIndex(n - 1) + 1));
    }

    m_settings.write(Setting::statusBar, a.statusBarAction->isChecked());
    m_settings.write(Setting::toolBar, a.toolbarAction->isChecked());

    // Details before List, as the layout has always been written.
    const std::pair<QAction*, ListViewMode> viewItems[] = {
        {a.largeIconsAction, ListViewMode::LargeIcons},
        {a.smallIconsAction, ListViewMode::SmallIcons},
        {a.detailsAction, ListViewMode::Details},
        {a.listModeAction, ListViewMode::List},
    };
    for (const auto& [viewItem, mode] : viewItems) {
        if (viewItem->isChecked()) {
            m_settings.write(Setting::iconView, ListViewModes::name(mode));
            break;
        }
    }

    const QList<QAction*> arrangeItems = a.arrangeActions();
    for (int i = 0; i < arrangeItems.size(); ++i) {
        if (arrangeItems.at(i)->isChecked()) {
            m_settings.write(Setting::arrangeIcons, ListViewModes::name(ListArrange(i)));
            break;
        }
    }

    const Qt::WindowStates state = m_window->windowState();
    const int stateValue = state.testFlag(Qt::WindowMinimized)   ? 1
                           : state.testFlag(Qt::WindowMaximized) ? 2
                                                                 : 0;
    m_settings.write(Setting::windowState, stateValue);
    if (stateValue == 0) {
        const QRect frame = m_window->isVisible() || !m_lastFrame.isValid()
                                ? m_window->frameGeometry()
                                : m_lastFrame;
        // A window never shown nor moved has no place yet: the window manager chooses it.
        if (m_lastFrame.isValid() || m_window->testAttribute(Qt::WA_Moved)) {
            writeTwips(QLatin1String(Setting::windowLeft.name), frame.x());
            writeTwips(QLatin1String(Setting::windowTop.name), frame.y());
        }
        // A window never shown has no frame: its inside is no outer size to keep.
        if (m_window->isVisible() || m_lastFrame.isValid()) {
            writeTwips(QLatin1String(Setting::windowWidth.name), frame.width());
            writeTwips(QLatin1String(Setting::windowHeight.name), frame.height());
        }
    }

    m_settings.write(Setting::interactiveHelp, a.interactiveHelpAction->isChecked());
}
