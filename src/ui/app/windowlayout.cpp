#include "windowlayout.h"

#include "listwindow/birthdaylistview.h"
#include "listwindow/listviewmode.h"
#include "mainactions.h"
#include "settings/settingsstore.h"
#include "text/textconv.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>

namespace {

int toTwips(int pixels)
{
    return pixels * WindowLayout::twipsPerPixel;
}

int toPixels(int twips)
{
    return qRound(double(twips) / WindowLayout::twipsPerPixel);
}

QString columnName(int column, const char* what)
{
    return QStringLiteral("Column%1%2").arg(column).arg(QLatin1String(what));
}

} // namespace

WindowLayout::WindowLayout(SettingsStore& settings, const Controls& controls)
    : m_settings(settings), m_c(controls)
{}

int WindowLayout::readWhole(const QString& name, int current, int min, int max) const
{
    const QString text = m_settings.settingRead(name, QString::number(current));
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

void WindowLayout::writeTwips(const QString& name, int pixels)
{
    const auto loaded = m_loadedTwips.constFind(name);
    const int twips =
        loaded != m_loadedTwips.cend() && toPixels(*loaded) == pixels ? *loaded : toTwips(pixels);
    m_settings.settingWrite(name, QString::number(twips));
}

bool WindowLayout::readBool(const QString& name, const char* defaultText) const
{
    const QString fallback = QLatin1String(defaultText);
    const std::optional<bool> value = TextConv::textToBool(m_settings.settingRead(name, fallback));
    return value.value_or(*TextConv::textToBool(fallback));
}

void WindowLayout::columnsLoad()
{
    QHeaderView* header = m_c.list->header();
    const int count = header->count();
    for (int n = 1; n <= count; ++n) {
        const int logical = n - 1;
        header->resizeSection(logical,
                              readTwips(columnName(n, "Width"), header->sectionSize(logical), 0));
        const int position =
            readWhole(columnName(n, "Pos"), header->visualIndex(logical) + 1, 1, count);
        header->moveSection(header->visualIndex(logical), position - 1);
    }
}

void WindowLayout::layoutLoad()
{
    const MainActions& a = *m_c.actions;
    columnsLoad();

    a.mnuViewToolbarsStatus->setChecked(readBool(QStringLiteral("StatusBar"), "true"));
    a.mnuViewToolbarsStandard->setChecked(readBool(QStringLiteral("ToolBar"), "true"));
    m_c.statusBar->setVisible(a.mnuViewToolbarsStatus->isChecked());
    m_c.toolbar->setVisible(a.mnuViewToolbarsStandard->isChecked());

    const QList<QAction*> viewItems = a.viewModeActions();
    for (QAction* viewItem : viewItems)
        viewItem->setChecked(false);
    const std::optional<ListViewMode> mode = ListViewModes::fromName(
        m_settings.settingRead(QStringLiteral("IconView"), QStringLiteral("LargeIcons")));
    if (mode) {
        viewItems.at(int(*mode))->setChecked(true);
        m_c.list->setViewMode(*mode);
    }

    const QList<QAction*> arrangeItems = a.arrangeActions();
    for (QAction* arrangeItem : arrangeItems)
        arrangeItem->setChecked(false);
    // A new user starts with what is coming up; a stored arrangement is honoured.
    const QString arrangeName = m_settings.settingRead(QStringLiteral("ArrangeIcons"), QString());
    const std::optional<ListArrange> arrange =
        arrangeName.isEmpty() ? ListArrange::NextDate : ListViewModes::arrangeFromName(arrangeName);
    if (arrange) {
        arrangeItems.at(int(*arrange))->setChecked(true);
        m_c.list->setArrange(*arrange);
    }

    placementLoad();

    const bool help = readBool(QStringLiteral("InteractiveHelp"), "false");
    a.mnuHelpInteractive->setChecked(help);
    m_c.helpPanel->setVisible(help);
}

void WindowLayout::placementLoad()
{
    QMainWindow* window = m_c.window;
    const int state = readWhole(QStringLiteral("WindowState"), 0, 0, 2);

    // Only what differs from the window as created is applied, so a first start leaves the
    // place to the window manager.
    const QPoint pos = window->pos();
    const int left = readTwips(QStringLiteral("WindowLeft"), pos.x());
    const int top = readTwips(QStringLiteral("WindowTop"), pos.y());
    const int width = readTwips(QStringLiteral("WindowWidth"), window->width(), 1);
    const int height = readTwips(QStringLiteral("WindowHeight"), window->height(), 1);
    QRect placement(left, top, qMax(width, 1), qMax(height, 1));
    if (placement.size() != window->size())
        window->resize(placement.size());
    if (placement.topLeft() != pos) {
        // A monitor that held the window may be gone: then bring it onto the primary screen.
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens())
            onScreen = onScreen || screen->geometry().intersects(placement);
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (!onScreen && primary) {
            const QRect room = primary->availableGeometry();
            placement.setSize(placement.size().boundedTo(room.size()));
            placement.moveCenter(room.center());
            window->resize(placement.size());
        }
        window->move(placement.topLeft());
    }

    // The state last, so the placement above becomes the bounds the window restores to.
    static const Qt::WindowStates states[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                              Qt::WindowMaximized};
    window->setWindowState(states[state]);
}

void WindowLayout::layoutSave()
{
    const MainActions& a = *m_c.actions;
    QHeaderView* header = m_c.list->header();
    for (int n = 1; n <= header->count(); ++n) {
        writeTwips(columnName(n, "Width"), header->sectionSize(n - 1));
        m_settings.settingWrite(columnName(n, "Pos"),
                                QString::number(header->visualIndex(n - 1) + 1));
    }

    m_settings.settingWrite(QStringLiteral("StatusBar"),
                            TextConv::boolToText(a.mnuViewToolbarsStatus->isChecked()));
    m_settings.settingWrite(QStringLiteral("ToolBar"),
                            TextConv::boolToText(a.mnuViewToolbarsStandard->isChecked()));

    // Details before List, as the layout has always been written.
    const std::pair<QAction*, ListViewMode> viewItems[] = {
        {a.mnuViewLargeIcons, ListViewMode::LargeIcons},
        {a.mnuViewSmallIcons, ListViewMode::SmallIcons},
        {a.mnuViewDetails, ListViewMode::Details},
        {a.mnuViewList, ListViewMode::List},
    };
    for (const auto& [viewItem, mode] : viewItems) {
        if (viewItem->isChecked()) {
            m_settings.settingWrite(QStringLiteral("IconView"), ListViewModes::name(mode));
            break;
        }
    }

    const QList<QAction*> arrangeItems = a.arrangeActions();
    for (int i = 0; i < arrangeItems.size(); ++i) {
        if (arrangeItems.at(i)->isChecked()) {
            m_settings.settingWrite(QStringLiteral("ArrangeIcons"),
                                    ListViewModes::name(ListArrange(i)));
            break;
        }
    }

    const Qt::WindowStates state = m_c.window->windowState();
    const int stateValue = state.testFlag(Qt::WindowMinimized)   ? 1
                           : state.testFlag(Qt::WindowMaximized) ? 2
                                                                 : 0;
    m_settings.settingWrite(QStringLiteral("WindowState"), QString::number(stateValue));
    if (stateValue == 0) {
        const QPoint pos = m_c.window->pos();
        writeTwips(QStringLiteral("WindowLeft"), pos.x());
        writeTwips(QStringLiteral("WindowTop"), pos.y());
        writeTwips(QStringLiteral("WindowWidth"), m_c.window->width());
        writeTwips(QStringLiteral("WindowHeight"), m_c.window->height());
    }

    m_settings.settingWrite(QStringLiteral("InteractiveHelp"),
                            TextConv::boolToText(a.mnuHelpInteractive->isChecked()));
}
