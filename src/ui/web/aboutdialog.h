#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// The about box, "About Candlewatcher v2.00", with links to the maker's website and support mail
// address and a button that starts the system information tool.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens an address through the desktop; false when it could not.
    using UrlOpener = std::function<bool(const QString& target)>;

    // No control of the box feeds the help panel.
    explicit AboutDialog(QWidget* parent = nullptr);

    // openAddress by default.
    void setUrlOpener(UrlOpener opener);

private:
    void openWebsiteLink();
    void openMailLink();
    void startSystemInformation();
    void openLink(const QString& target);

    UrlOpener m_urlOpener;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
    QLabel* m_moreInfoLabel = nullptr;
    QLabel* m_websiteLink = nullptr;
    QLabel* m_mailLabel = nullptr;
    QLabel* m_mailLink = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_systemInfoButton = nullptr;
};
