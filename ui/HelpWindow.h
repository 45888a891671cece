#pragma once
// The help window "zarn Help": the page zarn.htm in a browser with Back, Forward and
// Exit. It does not block the main window.
//
// The page comes from the program's folder, so it can be edited beside an installed
// game; when it is not there (or is no regular file of sensible size) the copy built into
// the program is shown. The window shows nothing but the help: links lead to places in
// the page and to pages beside it, links to web pages go to the desktop's browser, and no
// other link, picture or style sheet is loaded. Each time the window becomes active the
// page is loaded again at its top. "Exit" only hides the window; its close box discards
// it, so the main window keeps it in a QPointer and makes a new one when needed (see
// Open).

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace zarn {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr float ClientWidthTwips = 7185;
    static constexpr float ClientHeightTwips = 5625;
    static constexpr float BrowserLeftTwips = 30;
    static constexpr float BrowserTopTwips = 420;
    static constexpr float BrowserWidthTwips = 7110;
    static constexpr float BrowserHeightTwips = 5460;

    // The built-in copy of the page.
    static QUrl BuiltInPage();
    // zarn.htm in programDir when it exists there, otherwise the built-in copy.
    static QUrl HelpLocation(const QString& programDir);
    // HelpLocation of the folder the running program was started from.
    static QUrl HelpLocation();

    // Shows the help window held in holder, making it first when there is none, with
    // the page location set anew. Returns the window.
    static HelpWindow* Open(QPointer<HelpWindow>& holder, QWidget* owner, float twipsPerPixel);

    HelpWindow(QWidget* owner, float twipsPerPixel);

    // The page loaded each time the window becomes active.
    void setLocation(const QUrl& location) { location_ = location; }
    QUrl location() const { return location_; }

    QTextBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* forwardButton() const { return forward_; }
    QPushButton* exitButton() const { return exit_; }

    // Loads the page at its top (what activating the window does).
    void reload();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* makeButton(const char* text, float left, const QFont& font);
    // Back and Forward act only inside the page: after an in-page link was followed.
    bool insidePage() const;
    void fitBrowser();
    int px(float twips) const;

    float twipsPerPixel_;
    bool wasActive_ = false;
    QUrl location_;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* exit_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

} // namespace zarn
